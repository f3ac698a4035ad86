#include "GameTable.h"

#include "runtime/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

void GameTable::SetUp()
{
    rt::setMessagePresenter([this](QWidget *, const QString &text) { messages.append(text); });
    freshTable();
}

void GameTable::TearDown()
{
    expectNoMessageLeft();
    form.reset();
    rt::setMessagePresenter({});
}

void GameTable::freshTable()
{
    expectNoMessageLeft();
    messages.clear();
    form.reset();
    form = std::make_unique<MainForm>();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
}

void GameTable::expectNoMessageLeft()
{
    for (const QString &text : std::as_const(messages))
        ADD_FAILURE() << "A message box the test never took: \"" << text.toStdString() << '"';
}

QPoint GameTable::centreOf(const QWidget *control) const
{
    return control->mapTo(form->centralWidget(), control->rect().center());
}

void GameTable::clickAt(QPoint tablePoint)
{
    const QPoint inWindow = form->centralWidget()->mapTo(form.get(), tablePoint);
    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
}

void GameTable::turn(std::initializer_list<int> cards)
{
    for (int card : cards)
        place(card);
    endTurn();
}

void GameTable::playGame(const std::array<int, 5> &hearts, const std::array<int, 5> &spades)
{
    for (std::size_t i = 0; i < 5; ++i) {
        turn({hearts[i]});
        turn({spades[i]});
    }
}

QString GameTable::takeMessage()
{
    return messages.isEmpty() ? QStringLiteral("<no message>") : messages.takeFirst();
}

int GameTable::runUntilQuit()
{
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(10000);
    return QApplication::exec();
}

QMessageBox *openBox()
{
    return qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
}

bool showsPicture(const rt::Image *image, const rt::Image *store)
{
    return image->picture().pixmap().cacheKey() == store->picture().pixmap().cacheKey();
}

int differingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return std::max(a.width() * a.height(), b.width() * b.height());
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixelColor(x, y).rgb() != b.pixelColor(x, y).rgb();
    return differing;
}

namespace
{

QString describe(const QWidget *control)
{
    QString text =
        QStringLiteral("%1 %2 %3,%4 %5x%6")
            .arg(control->objectName())
            .arg(control->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"))
            .arg(control->x())
            .arg(control->y())
            .arg(control->width())
            .arg(control->height());
    if (const auto *label = qobject_cast<const rt::Label *>(control))
        text += QStringLiteral(" \"%1\"").arg(label->caption());
    if (const auto *button = qobject_cast<const QPushButton *>(control))
        text += QStringLiteral(" \"%1\"").arg(button->text());
    if (const auto *image = qobject_cast<const rt::Image *>(control))
        text += QStringLiteral(" picture %1%2")
                    .arg(image->picture().pixmap().cacheKey())
                    .arg(image->stretch() ? QStringLiteral(" stretched") : QString());
    return text;
}

std::string slotText(const rt::FixedArray<rt::SlotValue> &slotCards)
{
    std::string text;
    for (int i = 0; i <= 4; ++i)
        text += slotCards(i).isEmpty() ? "-" : std::to_string(slotCards(i).value());
    return text;
}

std::string hand(const rt::FixedArray<rt::Boolean> &flags)
{
    std::string text;
    for (int i = 0; i <= 4; ++i)
        text += flags(i) == rt::True ? 'H' : flags(i) == rt::False ? '.' : '?';
    return text;
}

} // namespace

TableState tableState(const MainForm &form)
{
    TableState state{form.game, {}};
    for (const QWidget *control : form.centralWidget()->findChildren<QWidget *>())
        if (!control->objectName().isEmpty())
            state.controls.append(describe(control));
    return state;
}

void PrintTo(const GameState &g, std::ostream *out)
{
    *out << "{Turn " << g.Turn.toStdString() << ", counts " << g.POneCount << '/' << g.PTwoCount
         << ", hands " << hand(g.POneHand) << '/' << hand(g.PTwoHand) << ", slots "
         << slotText(g.POneSlot) << '/' << slotText(g.PTwoSlot) << ", CardPlayed " << g.CardPlayed
         << ", PairCount " << g.PairCount << ", BattlesDone " << g.BattlesDone << ", GameOver "
         << g.GameOver << ", points " << g.HeartsPoints << '/' << g.SpadesPoints << ", wins "
         << g.HeartsWins << '/' << g.SpadesWins << ", Verdict \"" << g.Verdict.toStdString()
         << "\"}";
}

void PrintTo(const TableState &state, std::ostream *out)
{
    PrintTo(state.game, out);
    for (const QString &control : state.controls)
        *out << "\n  " << control.toStdString();
}
