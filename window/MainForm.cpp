#include "window/MainForm.h"

#include "runtime/Density.h"
#include "runtime/Dispatcher.h"
#include "runtime/Twips.h"
#include "window/Binding.h"
#include "window/FormDescription.h"
#include "window/TableSurface.h"
#include "window/WindowFont.h"
#include "window/WindowIcon.h"

#include <QFrame>
#include <QHash>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace
{

QRect pixelRect(const ControlDescription &d)
{
    return QRect(rt::pixels(d.left), rt::pixels(d.top), rt::pixels(d.width), rt::pixels(d.height));
}

void paint(QWidget *widget, QRgb background, QRgb text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(background));
    palette.setColor(QPalette::WindowText, QColor::fromRgb(text));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QWidget *createControl(const ControlDescription &d, QWidget *parent, qreal ratio)
{
    switch (d.kind) {
    case ControlKind::Frame: {
        auto *frame = new QFrame(parent);
        frame->setFrameShape(QFrame::NoFrame);
        frame->setGeometry(pixelRect(d));
        paint(frame, d.colours == Colours::DarkGreen ? DarkGreen : TableGreen, White);
        return frame;
    }
    case ControlKind::Label: {
        auto *label = new rt::Label(parent);
        paint(label, DarkGreen, White);
        label->setFont(windowFont(d.font, ratio));
        label->setAlignment((d.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        label->setBorder(d.border);
        label->setGeometry(pixelRect(d));
        label->setMinimumWidth(d.autoSize ? label->width() : 0);
        if (d.spokenAs)
            label->setSpokenAs(QString::fromUtf8(d.spokenAs));
        label->setCaption(QString::fromUtf8(d.caption));
        label->setAutoSize(d.autoSize);
        return label;
    }
    case ControlKind::Image: {
        auto *image = new rt::Image(parent);
        image->setGeometry(pixelRect(d));
        image->setStretch(d.stretch);
        if (d.picture)
            image->setPicture(rt::Picture(rt::loadPicture(QString::fromLatin1(d.picture)),
                                          QString::fromUtf8(d.spokenPicture)));
        if (d.spokenAs)
            image->setSpokenAs(QString::fromUtf8(d.spokenAs));
        return image;
    }
    case ControlKind::CommandButton: {
        auto *button = new rt::CommandButton(parent);
        button->setFont(windowFont(d.font, ratio));
        button->setText(QString::fromUtf8(d.caption));
        button->setGeometry(pixelRect(d));
        return button;
    }
    }
    return nullptr;
}

} // namespace

MainForm::MainForm(QWidget *parent) : QMainWindow(parent)
{
    buildWindow();
    connectEvents();
    rt::dispatch(this, [this] { Form_Load(); });
}

void MainForm::buildWindow()
{
    const FormDescription &form = formDescription();
    setWindowTitle(QString::fromUtf8(form.caption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(programIcon());

    setObjectName(QStringLiteral("MainForm"));
    setAccessibleDescription(
        QStringLiteral("Keys 1 to 5 place the first to fifth card of your hand, the Two to the "
                       "Ace. Tab moves between the buttons; Space or Enter presses the one "
                       "with the focus."));
    auto *surface = new TableSurface(QColor::fromRgb(form.backColor),
                                     rt::loadPicture(QString::fromLatin1(form.picture)), this);
    surface->setObjectName(QStringLiteral("Table"));
    // The window keeps the table's size; a desktop that forces another size on it (a tiling
    // one does) gets more table colour around the whole table, not bare window.
    surface->setMinimumSize(rt::pixels(form.clientWidth), rt::pixels(form.clientHeight));
    setCentralWidget(surface);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Binding binding;
    const QHash<QString, QWidget *> controls = buildControls(surface);
    for (auto it = controls.cbegin(); it != controls.cend(); ++it)
        binding.add(it.key(), it.value());
    buildMenu(binding);
    bindMembers(binding);
    binding.stopUnlessComplete();
    // On a screen of another density the captions take the fonts made for it, and the
    // pictures are fitted to it.
    create();
    connect(windowHandle(), &QWindow::screenChanged, this, &MainForm::fitToScreen);
}

// Creates every control in its stored order and returns them by name, "PCard(3)" for a
// member of a control array.
QHash<QString, QWidget *> MainForm::buildControls(QWidget *surface)
{
    QHash<QString, QWidget *> all;
    for (const ControlDescription &d : controlDescriptions()) {
        QWidget *parentWidget = d.container ? all.value(QString::fromLatin1(d.container)) : surface;
        QWidget *widget = createControl(d, parentWidget, devicePixelRatioF());
        widget->setObjectName(Binding::key(d.name, d.index));
        widget->setVisible(d.visible);
        all.insert(widget->objectName(), widget);
    }

    // Frames and buttons lie above labels and images; focus goes round the buttons only,
    // in tab order.
    QList<const ControlDescription *> buttons;
    for (const ControlDescription &d : controlDescriptions()) {
        if (d.kind == ControlKind::Frame || d.kind == ControlKind::CommandButton)
            all.value(Binding::key(d.name, d.index))->raise();
        if (d.kind == ControlKind::CommandButton)
            buttons.append(&d);
    }
    std::sort(buttons.begin(), buttons.end(),
              [](auto *a, auto *b) { return a->tabIndex < b->tabIndex; });
    for (qsizetype i = 1; i < buttons.size(); ++i)
        setTabOrder(all.value(QString::fromLatin1(buttons[i - 1]->name)),
                    all.value(QString::fromLatin1(buttons[i]->name)));
    all.value(QString::fromLatin1(buttons.first()->name))->setFocus();
    return all;
}

void MainForm::bindMembers(Binding &binding)
{
    OMBRIX_BIND(binding, EndButton);
    OMBRIX_BIND(binding, ScoreFrame);
    OMBRIX_BIND(binding, ScoreTwo);
    OMBRIX_BIND(binding, ScoreOne);
    OMBRIX_BIND(binding, P2Label);
    OMBRIX_BIND(binding, P1Label);
    OMBRIX_BIND(binding, ScoreLabel);
    OMBRIX_BIND(binding, Welcome);
    OMBRIX_BIND(binding, Rules);
    OMBRIX_BIND(binding, LetsPlay);
    OMBRIX_BIND(binding, WelcomeLabel);
    OMBRIX_BIND(binding, SPic);
    OMBRIX_BIND(binding, HPic);
    OMBRIX_BIND(binding, PCard);
    OMBRIX_BIND(binding, RedCard);
    OMBRIX_BIND(binding, BlueCard);
    OMBRIX_BIND(binding, BLabel);
    OMBRIX_BIND(binding, TwoCard);
    OMBRIX_BIND(binding, OneCard);
    OMBRIX_BIND(binding, MenuFile);
    OMBRIX_BIND(binding, MenuExit);
    OMBRIX_BIND(binding, MenuAbout);
}

void MainForm::buildMenu(Binding &binding)
{
    QHash<QString, QMenu *> headings;
    for (const MenuDescription &m : menuDescriptions()) {
        if (!m.under) {
            QMenu *heading = menuBar()->addMenu(QString::fromUtf8(m.caption));
            heading->setObjectName(QString::fromLatin1(m.name));
            headings.insert(heading->objectName(), heading);
            binding.add(heading->objectName(), heading);
        } else {
            QAction *item = headings.value(QString::fromLatin1(m.under))
                                ->addAction(QString::fromUtf8(m.caption));
            item->setObjectName(QString::fromLatin1(m.name));
            item->setMenuRole(QAction::NoRole);
            binding.add(item->objectName(), item);
        }
    }
}

// Every event that has a handler, and no other, goes through the dispatcher.
void MainForm::connectEvents()
{
    rt::connectEvent(LetsPlay, &QPushButton::clicked, this, [this] { LetsPlay_Click(); });
    rt::connectEvent(Rules, &QPushButton::clicked, this, [this] { Rules_Click(); });
    rt::connectEvent(EndButton, &QPushButton::clicked, this, [this] { EndButton_Click(); });
    rt::connectEvent(MenuExit, &QAction::triggered, this, [this] { MenuExit_Click(); });
    rt::connectEvent(MenuAbout, &QAction::triggered, this, [this] { MenuAbout_Click(); });
    for (int i = 0; i <= 4; ++i)
        rt::connectEvent(PCard(i), &rt::Image::click, this, [this, i] { PCard_Click(i); });
    connect(ScoreOne, &rt::Label::resized, this, &MainForm::fitScoreFrame);
    connect(ScoreTwo, &rt::Label::resized, this, &MainForm::fitScoreFrame);
}

// The counts of games won grow to the right with their text. The strip widens about its
// centre to hold them, and what it holds keeps its place on the table.
void MainForm::fitScoreFrame()
{
    QRect design;
    QList<const ControlDescription *> held;
    for (const ControlDescription &d : controlDescriptions()) {
        if (qstrcmp(d.name, "ScoreFrame") == 0)
            design = pixelRect(d);
        else if (d.container && qstrcmp(d.container, "ScoreFrame") == 0)
            held.append(&d);
    }
    int overflow = 0;
    for (const ControlDescription *d : held) {
        const QWidget *child = ScoreFrame->findChild<QWidget *>(QString::fromLatin1(d->name));
        overflow = std::max(overflow, rt::pixels(d->left) + child->width() - design.width());
    }
    ScoreFrame->setGeometry(design.adjusted(-overflow, 0, overflow, 0));
    for (const ControlDescription *d : held) {
        QWidget *child = ScoreFrame->findChild<QWidget *>(QString::fromLatin1(d->name));
        child->move(rt::pixels(d->left) + overflow, child->y());
    }
}

void MainForm::fitToScreen()
{
    const qreal ratio = devicePixelRatioF();
    for (const ControlDescription &d : controlDescriptions())
        if (d.kind == ControlKind::Label || d.kind == ControlKind::CommandButton)
            findChild<QWidget *>(Binding::key(d.name, d.index))->setFont(windowFont(d.font, ratio));
    for (rt::Image *image : findChildren<rt::Image *>())
        image->fit();
    static_cast<TableSurface *>(centralWidget())->fit();
}
