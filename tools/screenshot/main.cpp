// Takes the README's picture of the table in the middle of a game, without a screen.

#include "runtime/MessageBox.h"
#include "window/MainForm.h"

#include <QApplication>
#include <QTextStream>

#include <cstdlib>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: ombrix_screenshot <file.png>\n";
        return EXIT_FAILURE;
    }
    rt::setMessagePresenter([](QWidget *, const QString &) {});

    MainForm form;
    form.show();
    form.LetsPlay_Click();
    // Two rounds battled, Hearts ahead by a card, Spades to answer.
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

    if (!form.grab().save(QString::fromLocal8Bit(argv[1]))) {
        QTextStream(stderr) << "cannot write " << argv[1] << '\n';
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
