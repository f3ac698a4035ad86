#include "runtime/ControlArray.h"
#include "runtime/Density.h"
#include "runtime/Dispatcher.h"
#include "runtime/FixedArray.h"
#include "runtime/Image.h"
#include "runtime/Int16.h"
#include "runtime/MessageBox.h"
#include "runtime/SlotValue.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <new>
#include <stdexcept>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace
{

int errorNumberOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const rt::RuntimeError &error) {
        return error.number();
    }
    return 0;
}

} // namespace

TEST(Int16, ArithmeticOutsideSixteenBitsRaisesOverflow)
{
    struct Case {
        int a;
        int b;
        bool add;
        int result; // 0 with overflow expected
        bool overflows;
    };
    const Case cases[] = {
        {32766, 1, true, 32767, false},    {32767, 1, true, 0, true},
        {-32767, 1, false, -32768, false}, {-32768, 1, false, 0, true},
        {0, 1, false, -1, false},          {-32768, -32768, true, 0, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << (c.add ? " + " : " - ") << c.b);
        const rt::Int16 a(c.a);
        const rt::Int16 b(c.b);
        rt::Int16 result(7);
        const int error = errorNumberOf([&] { result = c.add ? a + b : a - b; });
        EXPECT_EQ(error, c.overflows ? rt::Overflow : 0);
        EXPECT_EQ(int(result), c.overflows ? 7 : c.result); // a failed step stores nothing
    }
    EXPECT_EQ(errorNumberOf([] { rt::Int16 tooBig(40000); }), rt::Overflow);
    EXPECT_EQ(rt::Int16(-5), rt::Int16(-5));
    EXPECT_NE(rt::Int16(5), rt::Int16(-5));
}

TEST(FixedArray, OnlyIndexesZeroToFourExist)
{
    rt::FixedArray<rt::Boolean> flags;
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(flags(i), rt::False);
        flags(i) = rt::True;
    }
    for (int index : {-1, 5, 100})
        EXPECT_EQ(errorNumberOf([&] { flags(index) = rt::False; }), rt::SubscriptOutOfRange)
            << index;
    for (int i = 0; i <= 4; ++i)
        EXPECT_EQ(flags(i), rt::True);
    // Arrays are equal element by element.
    rt::FixedArray<rt::Boolean> copy = flags;
    EXPECT_EQ(copy, flags);
    copy(4) = rt::False;
    EXPECT_NE(copy, flags);
}

TEST(SlotValue, EmptyIsNotTheIntegerZero)
{
    rt::SlotValue slot;
    EXPECT_TRUE(slot.isEmpty());
    slot = rt::Int16(0);
    EXPECT_FALSE(slot.isEmpty());
    EXPECT_EQ(slot.value(), 0);
    slot = rt::Int16(4);
    EXPECT_EQ(slot.value() - rt::SlotValue(rt::Int16(0)).value(), 4);
    EXPECT_NE(rt::SlotValue(), rt::SlotValue(rt::Int16(0)));
    EXPECT_EQ(rt::SlotValue(), rt::SlotValue());
    EXPECT_EQ(slot, rt::SlotValue(rt::Int16(4)));
    EXPECT_NE(slot, rt::SlotValue(rt::Int16(3)));
}

TEST(ControlArray, AMissingMemberIsARuntimeError)
{
    rt::Image first;
    rt::ControlArray<rt::Image> images;
    images.set(0, &first);
    EXPECT_EQ(images(0), &first);
    for (int index : {1, -1, 5})
        EXPECT_EQ(errorNumberOf([&] { images(index); }), rt::ControlArrayElementMissing) << index;
}

TEST(Image, StretchDecidesBetweenNaturalSizeAndScaling)
{
    QPixmap back(45, 62);
    back.fill(Qt::red);
    rt::Image image;
    image.setGeometry(0, 0, 35, 48);
    image.setPicture(rt::Picture(back, QStringLiteral("red card back")));
    EXPECT_EQ(image.size(), QSize(45, 62)); // natural size

    image.resize(35, 48);
    image.setStretch(true);
    image.setPicture(rt::Picture(back, QStringLiteral("red card back")));
    EXPECT_EQ(image.size(), QSize(35, 48));
    const QImage shown = image.grab().toImage();
    EXPECT_EQ(shown.size(), QSize(35, 48));
    EXPECT_EQ(shown.pixelColor(34, 47), QColor(Qt::red));

    image.setStretch(false);
    EXPECT_EQ(image.size(), QSize(45, 62));
}

// A picture that already has the pixels a box needs is shown as it is; one that has not is
// scaled once, and every box of that size and density shares the result.
TEST(Density, FittingScalesOnlyWhatDoesNotFitAndSharesTheResult)
{
    QPixmap back(90, 124);
    back.fill(Qt::blue);
    back.setDevicePixelRatio(2.0);
    EXPECT_EQ(rt::fitted(back, QSize(45, 62), 2.0).cacheKey(), back.cacheKey());

    const struct {
        QSize points;
        qreal ratio;
        QSize pixels;
    } cases[] = {
        {QSize(35, 48), 1.0, QSize(35, 48)},
        {QSize(35, 48), 1.25, QSize(44, 60)},
        {QSize(35, 48), 1.5, QSize(53, 72)},
        {QSize(35, 48), 2.0, QSize(70, 96)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.ratio);
        const QPixmap slot = rt::fitted(back, c.points, c.ratio);
        EXPECT_EQ(slot.size(), c.pixels);
        EXPECT_EQ(slot.devicePixelRatio(), c.ratio);
        EXPECT_EQ(rt::fitted(back, c.points, c.ratio).cacheKey(), slot.cacheKey());
    }
}

// The table is read straight from where it lies in the program; it must come out as the
// picture Qt's own reader makes of the same file, the right way up and in its own colours.
TEST(Density, TheTableReadWhereItLiesIsThePictureQtReads)
{
    const QString table = QStringLiteral(":/art/table.bmp");
    const QImage read = rt::loadPicture(table).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage expected = QImage(table).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(expected.isNull());
    EXPECT_TRUE(read == expected);
}

TEST(Dispatcher, AnErrorEndsTheHandlerKeepsEarlierChangesAndIsReported)
{
    struct Failure {
        const char *name;
        std::function<void()> step;
        const char *report;
    };
    const Failure failures[] = {
        {"a win past the limit",
         [] {
             rt::Int16 wins(32767);
             wins = wins + 1;
         },
         "Error 6: Overflow\n\n"},
        {"no memory left", [] { throw std::bad_alloc(); }, "Error 7: Out of memory\n\n"},
        {"a sixth slot",
         [] {
             rt::FixedArray<rt::SlotValue> slotCards;
             slotCards(5) = rt::Int16(0);
         },
         "Error 9: Subscript out of range\n\n"},
        {"a missing control", [] { rt::ControlArray<rt::Image>()(2); },
         "Error 340: Control array element '2' doesn't exist\n\n"},
        {"anything else", [] { throw std::logic_error("broken"); }, "Error 51: broken\n\n"},
    };
    for (const Failure &f : failures) {
        SCOPED_TRACE(f.name);
        QStringList shown;
        rt::setMessagePresenter([&](QWidget *, const QString &text) { shown.append(text); });
        int steps = 0;
        rt::dispatch(nullptr, [&] {
            ++steps;
            f.step();
            ++steps;
        });
        rt::setMessagePresenter({});
        EXPECT_EQ(steps, 1);
        ASSERT_EQ(shown.size(), 1);
        EXPECT_TRUE(shown[0].startsWith(QLatin1String(f.report))) << shown[0].toStdString();
        EXPECT_TRUE(shown[0].contains(QStringLiteral("game goes on")));
    }
}

TEST(MessageBox, TheRealBoxHasTheGamesTitleOneOkButtonAndNoIcon)
{
    QString title;
    QString text;
    int buttons = -1;
    QMessageBox::Icon icon = QMessageBox::Warning;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        buttons = int(box->buttons().size());
        icon = box->icon();
        modal = box->isModal();
        box->button(QMessageBox::Ok)->click();
    });
    rt::messageBox(nullptr, QStringLiteral("You must play a card."));
    EXPECT_EQ(title, QStringLiteral("Ombrix"));
    EXPECT_EQ(text, QStringLiteral("You must play a card."));
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_TRUE(modal);
}

// The suite's own guard: a real box that the test never closes is closed within seconds and
// fails the test, naming its text.
TEST(Watchdog, ClosesABoxNobodyClosesAndFailsTheTest)
{
    QElapsedTimer clock;
    clock.start();
    EXPECT_NONFATAL_FAILURE(rt::messageBox(nullptr, QStringLiteral("Nobody closes this")),
                            "A message box nobody closed: \"Nobody closes this\"");
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
