#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace rt
{

// The game's one message box: the text, one OK button, no icon, titled "Ombrix", modal to
// the window. It returns once the box is closed, however it was closed.
void messageBox(QWidget *owner, const QString &text);

// Tests put a presenter of their own in place of the real box so that nothing blocks.
// Returns the presenter it replaced; an empty one restores the real box.
using MessagePresenter = std::function<void(QWidget *owner, const QString &text)>;
MessagePresenter setMessagePresenter(MessagePresenter presenter);

} // namespace rt
