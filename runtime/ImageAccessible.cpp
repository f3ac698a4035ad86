#include "runtime/ImageAccessible.h"

#include "runtime/Image.h"

#include <QAccessibleWidget>

namespace rt
{

namespace
{

// A picture to a screen reader, with the press action while a click would reach it.
class ImageAccessible : public QAccessibleWidget
{
public:
    explicit ImageAccessible(Image *image) : QAccessibleWidget(image, QAccessible::Graphic) {}

    QStringList actionNames() const override
    {
        return image()->takesPress() ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            image()->press();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    Image *image() const { return static_cast<Image *>(widget()); }
};

QAccessibleInterface *imageInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("rt::Image") && object && object->isWidgetType())
        return new ImageAccessible(static_cast<Image *>(object));
    return nullptr;
}

} // namespace

void installImageAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(imageInterface);
        return true;
    }();
    (void)installed;
}

} // namespace rt
