#pragma once

#include <QLabel>

namespace rt
{

// Text in a box, drawn from the top of the box. With AutoSize the box fits its caption
// on one line: its width grows and shrinks about its left edge, or about its centre when the
// text is centred, and never becomes narrower than its minimum width. Without AutoSize a
// caption too wide for the box is drawn condensed instead of cut. Its accessible name
// is its spoken pattern with the caption in place of %1.
class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(QWidget *parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString &caption);

    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

    void setSpokenAs(const QString &pattern);

    bool border() const { return m_border; }
    void setBorder(bool border);

    // How much narrower than the font's own width the caption is drawn: 1 when it fits.
    qreal squeeze() const { return m_squeeze; }

Q_SIGNALS:
    void resized();

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void fitToCaption();
    void condenseToFit();
    void drawSqueezedCaption();

    QString m_spokenAs = QStringLiteral("%1");
    qreal m_squeeze = 1.0;
    bool m_autoSize = false;
    bool m_border = false;
};

} // namespace rt
