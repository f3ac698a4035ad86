// The Windows test kit's runner, started by run-tests.cmd from the kit's folder. It runs every
// test of tests.txt in a process of its own with its time limit, takes the pictures of the
// window as this machine draws it, and writes what it saw into report.txt. Its last line is
// "N passed, M failed".
//
// A line of tests.txt: name, seconds, program and its arguments, and the variables it runs
// with, separated by tabs; arguments are separated by spaces, variables by semicolons.
// OMBRIX_SCREEN_DPI=D asks for Windows' own platform on a screen of D dots per inch, which
// this runner cannot set: it scales the window by D over the screen's own instead.

#include "Version.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTextStream>

#include <cstdlib>

namespace
{

struct Outcome {
    bool passed = false;
    QString said; // what a failed program wrote, or why it was stopped
};

Outcome run(const QString &program, const QStringList &arguments,
            const QProcessEnvironment &environment, int seconds)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QDir::current().absoluteFilePath(program), arguments);
    if (!process.waitForStarted(10000))
        return {false, QStringLiteral("could not start: ") + process.errorString()};
    if (!process.waitForFinished(seconds * 1000)) {
        process.kill();
        process.waitForFinished(5000);
        return {false, QStringLiteral("stopped after %1 s\n").arg(seconds) +
                           QString::fromLocal8Bit(process.readAll())};
    }
    const QString output = QString::fromLocal8Bit(process.readAll());
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return {true, output};
    return {false, QStringLiteral("exit code %1\n").arg(process.exitCode()) + output};
}

// The last lines of what a failing program wrote: enough to see why.
QString tail(const QString &text)
{
    const QStringList lines = text.trimmed().split(QLatin1Char('\n'));
    return lines.mid(std::max<qsizetype>(0, lines.size() - 40)).join(QLatin1Char('\n'));
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    QFile reportFile(QStringLiteral("report.txt"));
    if (!reportFile.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate)) {
        QTextStream(stderr) << "cannot write report.txt in " << QDir::currentPath() << '\n';
        return EXIT_FAILURE;
    }
    QTextStream report(&reportFile);
    QTextStream out(stdout);
    const auto say = [&](const QString &line) {
        out << line << Qt::endl;
        report << line << Qt::endl;
    };

    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal scale = screen->devicePixelRatio();
    say(QStringLiteral("Ombrix %1 test kit").arg(QLatin1String(ombrix::shownVersion)));
    say(QStringLiteral("System: %1 (kernel %2, %3)")
            .arg(QSysInfo::prettyProductName(), QSysInfo::kernelVersion(),
                 QSysInfo::currentCpuArchitecture()));
    say(QStringLiteral("Screen: %1 x %2, scale %3 % (%4 dpi)")
            .arg(screen->size().width())
            .arg(screen->size().height())
            .arg(qRound(scale * 100))
            .arg(qRound(scale * 96)));
    say(QString());

    QProcessEnvironment system = QProcessEnvironment::systemEnvironment();
    // The offscreen platform reads its fonts from a folder: Windows' own.
    if (!system.contains(QStringLiteral("QT_QPA_FONTDIR")))
        system.insert(QStringLiteral("QT_QPA_FONTDIR"),
                      system.value(QStringLiteral("WINDIR"), QStringLiteral("C:\\Windows")) +
                          QStringLiteral("\\Fonts"));

    int passed = 0;
    int failed = 0;
    const auto count = [&](const QString &name, const Outcome &outcome, qint64 ms) {
        (outcome.passed ? passed : failed) += 1;
        say(QStringLiteral("%1 %2 (%3 s)")
                .arg(outcome.passed ? QStringLiteral("passed") : QStringLiteral("FAILED"), name)
                .arg(ms / 1000.0, 0, 'f', 1));
        if (!outcome.passed)
            report << tail(outcome.said) << "\n\n";
    };

    QProcessEnvironment native = system;
    native.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("windows"));
    QElapsedTimer clock;
    clock.start();
    const Outcome pictures =
        run(QStringLiteral("ombrix_screenshot.exe"), {QStringLiteral("pictures")}, native, 60);
    count(QStringLiteral("Pictures of the window in pictures\\"), pictures, clock.elapsed());
    if (pictures.passed)
        report << pictures.said << '\n';

    QFile table(QStringLiteral("tests.txt"));
    if (!table.open(QIODevice::ReadOnly | QIODevice::Text)) {
        say(QStringLiteral("tests.txt is missing from ") + QDir::currentPath());
        ++failed;
    }
    while (!table.atEnd()) {
        const QStringList fields =
            QString::fromUtf8(table.readLine()).trimmed().split(QLatin1Char('\t'));
        if (fields.size() < 3)
            continue;
        QStringList arguments = fields[2].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString program = arguments.takeFirst();
        QProcessEnvironment environment = system;
        for (const QString &setting : fields.value(3).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString name = setting.section(QLatin1Char('='), 0, 0);
            const QString value = setting.section(QLatin1Char('='), 1);
            environment.insert(name, value);
            if (name == QLatin1String("OMBRIX_SCREEN_DPI")) {
                environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("windows"));
                environment.insert(QStringLiteral("QT_SCALE_FACTOR"),
                                   QString::number(value.toDouble() / 96 / scale));
            }
        }
        clock.restart();
        const Outcome outcome = run(program, arguments, environment, fields[1].toInt());
        count(fields[0], outcome, clock.elapsed());
    }

    say(QString());
    say(QStringLiteral("%1 passed, %2 failed").arg(passed).arg(failed));
    return failed == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
