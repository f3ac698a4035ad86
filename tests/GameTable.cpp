#include "GameTable.h"

#include "runtime/MessageBox.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

void GameTable::SetUp()
{
    rt::setMessagePresenter([this](QWidget *, const QString &text) { messages.append(text); });
    form = std::make_unique<MainForm>();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
}

void GameTable::TearDown()
{
    form.reset();
    rt::setMessagePresenter({});
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

QString describe(const rt::Image *image)
{
    return QStringLiteral("%1:%2:%3:%4 ")
        .arg(image->objectName())
        .arg(image->isHidden() ? 0 : 1)
        .arg(image->picture().pixmap().cacheKey())
        .arg(image->stretch());
}

} // namespace

QString snapshot(const MainForm &form)
{
    const GameState &g = form.game;
    QString s = QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11 %12 %13 ")
                    .arg(g.POneCount)
                    .arg(g.PTwoCount)
                    .arg(g.PairCount)
                    .arg(g.Turn)
                    .arg(g.CardPlayed)
                    .arg(g.BattlesDone)
                    .arg(g.GameOver)
                    .arg(g.HeartsPoints)
                    .arg(g.SpadesPoints)
                    .arg(g.HeartsWins)
                    .arg(g.SpadesWins)
                    .arg(g.Verdict)
                    .arg(form.EndButton->text());
    for (int i = 0; i <= 4; ++i) {
        s += QStringLiteral("[%1 %2 %3/%4 %5/%6 %7:%8] ")
                 .arg(g.POneHand(i))
                 .arg(g.PTwoHand(i))
                 .arg(g.POneSlot(i).isEmpty())
                 .arg(g.POneSlot(i).value())
                 .arg(g.PTwoSlot(i).isEmpty())
                 .arg(g.PTwoSlot(i).value())
                 .arg(form.BLabel(i)->isHidden())
                 .arg(form.BLabel(i)->caption());
        s += describe(form.PCard(i)) + describe(form.OneCard(i)) + describe(form.TwoCard(i));
    }
    return s + form.ScoreOne->caption() + QLatin1Char('/') + form.ScoreTwo->caption();
}
