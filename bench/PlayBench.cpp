#include "runtime/Dispatcher.h"
#include "runtime/MessageBox.h"
#include "window/MainForm.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <memory>
#include <vector>

namespace
{

using Clock = std::chrono::steady_clock;

// Posted work, the repaint among it, is what a player waits for after a click.
void settle()
{
    QCoreApplication::processEvents();
}

// One timed piece of work per iteration; the median and the 90th percentile of all of them
// go into the report next to the mean.
class Samples
{
public:
    template <typename Work> void time(benchmark::State &state, Work &&work)
    {
        const auto start = Clock::now();
        work();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        m_micros.push_back(seconds * 1e6);
    }

    void report(benchmark::State &state)
    {
        if (m_micros.empty())
            return;
        std::sort(m_micros.begin(), m_micros.end());
        state.counters["median_us"] = m_micros[m_micros.size() / 2];
        state.counters["p90_us"] = m_micros[m_micros.size() * 9 / 10];
    }

private:
    std::vector<double> m_micros;
};

enum class Step { Place, EndHandOver, EndWithBattle, EndGameOver, PlayAgain };

// A shown game window played round and round: each side places one card a turn, Hearts
// in one order and Spades in another, so every pair is battled at the end of Spades' turn.
class Table
{
public:
    Table()
    {
        rt::setMessagePresenter([this](QWidget *, const QString &) { ++m_messages; });
        restart();
    }

    ~Table()
    {
        m_form.reset();
        rt::setMessagePresenter({});
    }

    Table(const Table &) = delete;
    Table &operator=(const Table &) = delete;

    Step next() const
    {
        if (m_step == 20)
            return Step::PlayAgain;
        if (m_step % 2 == 0)
            return Step::Place;
        if (m_step == 19)
            return Step::EndGameOver;
        return m_step % 4 == 1 ? Step::EndHandOver : Step::EndWithBattle;
    }

    // The handler for the next step, through the dispatcher as a click would run it, without
    // the repaint that follows.
    void play()
    {
        static constexpr std::array hearts{2, 0, 4, 1, 3};
        static constexpr std::array spades{4, 2, 0, 3, 1};
        const int turn = m_step / 2;
        MainForm *form = m_form.get();
        switch (next()) {
        case Step::Place: {
            const int card = turn % 2 == 0 ? hearts[turn / 2] : spades[turn / 2];
            rt::dispatch(form, [form, card] { form->PCard_Click(card); });
            break;
        }
        case Step::EndHandOver:
        case Step::EndWithBattle:
        case Step::EndGameOver:
        case Step::PlayAgain:
            rt::dispatch(form, [form] { form->EndButton_Click(); });
            break;
        }
        m_gamesEnded += m_step == 19;
        m_step = (m_step + 1) % 21;
    }

    void playUntil(Step step)
    {
        // The count of games won is a 16-bit integer; a fresh window long before it runs out.
        if (m_step == 0 && m_form->game.HeartsWins + m_form->game.SpadesWins > 10000)
            restart();
        while (next() != step) {
            play();
            settle();
        }
    }

    int messages() const { return m_messages; }
    int gamesEnded() const { return m_gamesEnded; }

private:
    void restart()
    {
        m_form.reset();
        m_form = std::make_unique<MainForm>();
        m_form->show();
        settle();
        m_form->LetsPlay_Click();
        settle();
    }

    std::unique_ptr<MainForm> m_form;
    int m_step = 0;
    int m_messages = 0;
    int m_gamesEnded = 0;
};

void timeStep(benchmark::State &state, Step step)
{
    const bool withPaint = state.range(0) != 0;
    Table table;
    Samples samples;
    for (auto _ : state) {
        table.playUntil(step);
        samples.time(state, [&] {
            table.play();
            if (withPaint)
                settle();
        });
        if (!withPaint)
            settle();
    }
    // Every message is a verdict; anything else, an error report among them, spoils the run.
    const int gamesEnded = table.gamesEnded();
    if (table.messages() != gamesEnded)
        state.SkipWithError("a message other than a verdict was shown");
    samples.report(state);
}

void Place(benchmark::State &state)
{
    timeStep(state, Step::Place);
}
void EndTurnHandOver(benchmark::State &state)
{
    timeStep(state, Step::EndHandOver);
}
void EndTurnBattle(benchmark::State &state)
{
    timeStep(state, Step::EndWithBattle);
}
void EndTurnGameOver(benchmark::State &state)
{
    timeStep(state, Step::EndGameOver);
}
void PlayAgain(benchmark::State &state)
{
    timeStep(state, Step::PlayAgain);
}

// Let's Play happens once a window, so each sample gets a fresh one, built and painted
// before the clock starts.
void LetsPlay(benchmark::State &state)
{
    const bool withPaint = state.range(0) != 0;
    rt::setMessagePresenter([](QWidget *, const QString &) {});
    Samples samples;
    for (auto _ : state) {
        MainForm form;
        form.show();
        settle();
        samples.time(state, [&] {
            rt::dispatch(&form, [&form] { form.LetsPlay_Click(); });
            if (withPaint)
                settle();
        });
    }
    rt::setMessagePresenter({});
    samples.report(state);
}

// The yardstick: a stock main window of the same size with as many stock labels, where an
// event makes the same number of changes of each kind, every one of them a real change.
struct Changes {
    int visibility;
    int pictures;
    int texts;
};

class BareTable
{
public:
    BareTable()
    {
        m_window.setFixedSize(486, 343);
        auto *surface = new QWidget(&m_window);
        surface->setFixedSize(486, 323);
        m_window.setCentralWidget(surface);
        for (int i = 0; i < 43; ++i) {
            auto *label = new QLabel(surface);
            label->setGeometry((i % 9) * 54, (i / 9) * 64, 35, 48);
            m_labels.push_back(label);
        }
        QMenu *file = m_window.menuBar()->addMenu(QStringLiteral("&File"));
        file->addAction(QStringLiteral("&Exit"));
        file->addAction(QStringLiteral("&About"));
        m_pictures = {QPixmap(QStringLiteral(":/art/hearts-2.png")),
                      QPixmap(QStringLiteral(":/art/spades-a.png"))};
        m_window.show();
        settle();
    }

    void change(const Changes &changes)
    {
        ++m_round;
        std::size_t next = 0;
        auto label = [&] { return m_labels[next++ % m_labels.size()]; };
        for (int i = 0; i < changes.visibility; ++i) {
            QLabel *l = label();
            l->setVisible(!l->isVisible());
        }
        for (int i = 0; i < changes.pictures; ++i)
            label()->setPixmap(m_pictures[(m_round + i) % 2]);
        for (int i = 0; i < changes.texts; ++i)
            label()->setText(m_round % 2 ? QStringLiteral("Hearts") : QStringLiteral("Spades"));
    }

private:
    QMainWindow m_window;
    std::vector<QLabel *> m_labels;
    std::array<QPixmap, 2> m_pictures;
    int m_round = 0;
};

void Baseline(benchmark::State &state, Changes changes)
{
    const bool withPaint = state.range(0) != 0;
    BareTable table;
    Samples samples;
    for (auto _ : state) {
        samples.time(state, [&] {
            table.change(changes);
            if (withPaint)
                settle();
        });
        if (!withPaint)
            settle();
    }
    samples.report(state);
}

// The changes each handler makes, counted from the handlers themselves.
void BaselinePlace(benchmark::State &state)
{
    Baseline(state, {.visibility = 2, .pictures = 0, .texts = 0});
}
void BaselineEndTurnHandOver(benchmark::State &state)
{
    Baseline(state, {.visibility = 5, .pictures = 5, .texts = 0});
}
void BaselineEndTurnBattle(benchmark::State &state)
{
    Baseline(state, {.visibility = 6, .pictures = 7, .texts = 1});
}
void BaselineEndTurnGameOver(benchmark::State &state)
{
    Baseline(state, {.visibility = 6, .pictures = 7, .texts = 4});
}
void BaselinePlayAgain(benchmark::State &state)
{
    Baseline(state, {.visibility = 20, .pictures = 15, .texts = 1});
}
void BaselineLetsPlay(benchmark::State &state)
{
    Baseline(state, {.visibility = 3, .pictures = 10, .texts = 0});
}

} // namespace

// Argument 0: the handler alone. Argument 1: the handler and the repaint it causes.
#define OMBRIX_EVENT(name)                                                                         \
    BENCHMARK(name)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond);               \
    BENCHMARK(Baseline##name)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond)

OMBRIX_EVENT(Place);
OMBRIX_EVENT(EndTurnHandOver);
OMBRIX_EVENT(EndTurnBattle);
OMBRIX_EVENT(EndTurnGameOver);
OMBRIX_EVENT(PlayAgain);
// Each Let's Play sample builds a window first, so fewer of them.
BENCHMARK(LetsPlay)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(400);
BENCHMARK(BaselineLetsPlay)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ombrix"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
