// Takes pictures of the window as this machine draws it, without a player.
//   ombrix_screenshot FILE.png   the table in the middle of a game, for the README
//   ombrix_screenshot FOLDER     welcome.png, game.png, rules.png and about.png in FOLDER,
//                                and on its output the face and size each caption got

#include "runtime/MessageBox.h"
#include "window/MainForm.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QTextStream>
#include <QTimer>

#include <cstdlib>
#include <functional>

namespace
{

// Two rounds battled, Hearts ahead by a card, Spades to answer.
void playHalfAGame(MainForm &form)
{
    form.LetsPlay_Click();
    const int moves[][2] = {{3, 0}, {0, 4}};
    for (const auto &move : moves) {
        form.PCard_Click(move[0]);
        form.EndButton_Click();
        form.PCard_Click(move[1]);
        form.EndButton_Click();
    }
    form.PCard_Click(4);
    form.PCard_Click(1);
    form.EndButton_Click();
    form.PCard_Click(2);
}

// The picture of the box that an action opens, which is then closed with its button.
QPixmap boxOpenedBy(const std::function<void()> &action)
{
    QPixmap picture;
    QTimer::singleShot(0, [&picture] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            picture = box->grab();
            box->button(QMessageBox::Ok)->click();
        }
    });
    action();
    return picture;
}

QString describe(const QFont &font, qreal ratio)
{
    const QFontInfo got(font);
    const bool outline = QFontDatabase::isSmoothlyScalable(got.family(), got.styleName());
    return QStringLiteral("%1%2, %3, %4 px (%5 device px)")
        .arg(got.family(), got.bold() ? QStringLiteral(" bold") : QString(),
             outline ? QStringLiteral("outline") : QStringLiteral("bitmap"))
        .arg(got.pixelSize())
        .arg(got.pixelSize() * ratio);
}

bool saved(const QPixmap &picture, const QString &file)
{
    if (!picture.isNull() && picture.save(file))
        return true;
    QTextStream(stderr) << "cannot write " << file << '\n';
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: ombrix_screenshot FILE.png | FOLDER\n";
        return EXIT_FAILURE;
    }
    const QString target = QString::fromLocal8Bit(argv[1]);

    MainForm form;
    form.show();
    if (target.endsWith(QLatin1String(".png"))) {
        rt::setMessagePresenter([](QWidget *, const QString &) {});
        playHalfAGame(form);
        return saved(form.grab(), target) ? EXIT_SUCCESS : EXIT_FAILURE;
    }

    const QDir folder(target);
    if (!folder.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "cannot make " << target << '\n';
        return EXIT_FAILURE;
    }
    const qreal ratio = form.devicePixelRatioF();
    QTextStream out(stdout);
    out << "Captions at a device pixel ratio of " << ratio << ":\n";
    for (QWidget *caption : std::initializer_list<QWidget *>{
             form.WelcomeLabel, form.LetsPlay, form.Rules, form.ScoreLabel, form.P1Label,
             form.P2Label, form.ScoreOne, form.ScoreTwo, form.BLabel(0), form.EndButton})
        out << "  " << caption->objectName() << ": " << describe(caption->font(), ratio) << '\n';
    out << "  the File menu: " << describe(form.menuBar()->font(), ratio) << '\n';
    out << "  the message boxes: " << describe(QApplication::font("QMessageBoxLabel"), ratio)
        << '\n';

    bool ok = saved(form.grab(), folder.filePath(QStringLiteral("welcome.png")));
    ok = saved(boxOpenedBy([&form] { form.Rules_Click(); }),
               folder.filePath(QStringLiteral("rules.png"))) &&
         ok;
    ok = saved(boxOpenedBy([&form] { form.MenuAbout_Click(); }),
               folder.filePath(QStringLiteral("about.png"))) &&
         ok;
    rt::setMessagePresenter([](QWidget *, const QString &) {});
    playHalfAGame(form);
    ok = saved(form.grab(), folder.filePath(QStringLiteral("game.png"))) && ok;
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
