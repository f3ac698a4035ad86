#pragma once

#include <QPushButton>

namespace rt
{

// A push button that Space or Enter presses while it has the focus; its caption wraps.
// It is never a default button, so Enter presses only the focused one.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CommandButton(QWidget *parent = nullptr);

    // Where the caption is drawn.
    QRect captionArea() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace rt
