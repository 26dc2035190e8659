#include "info/InfoStyle.h"

#include "platform/Jpeg.h"

#include <QFontInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QVBoxLayout>

namespace InfoStyle {

namespace {

QFont Times(bool bold)
{
    QFont font;
    font.setFamilies({ QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
        QStringLiteral("DejaVu Serif") });
    font.setBold(bold);
    // The substitute serifs run wider than Times; their condensed cut keeps the layout's widths.
    if (!QFontInfo(font).family().startsWith(QLatin1String("Times")))
        font.setStretch(QFont::SemiCondensed);
    return font;
}

} // namespace

QFont TimesFont(int pixelSize, bool bold)
{
    QFont font = Times(bold);
    font.setPixelSize(pixelSize);
    return font;
}

QFont TimesPointFont(int pointSize, bool bold)
{
    QFont font = Times(bold);
    font.setPointSize(pointSize);
    return font;
}

QFont TitleFont()
{
    QFont font;
    font.setBold(true);
    font.setPixelSize(11);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

QVBoxLayout *FlushColumn(QWidget *widget)
{
    auto *layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

QWidget *ButtonPanel(QWidget *parent, const char *name, int height, TColor color,
    std::initializer_list<QWidget *> left, std::initializer_list<QWidget *> right)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFixedHeight(height);
    SetBackground(panel, color);
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(10, 0, 10, 0);
    row->setSpacing(8);
    for (QWidget *w : left)
        row->addWidget(w);
    row->addStretch(1);
    for (QWidget *w : right)
        row->addWidget(w);
    return panel;
}

TSpeedButton *Button(QWidget *parent, const char *name, const QString &caption, bool enabled)
{
    auto *button = new TSpeedButton(parent, QLatin1String(name), caption, enabled);
    button->setMinimumWidth(90);
    return button;
}

QLabel *Label(QWidget *parent, const char *name, const QString &text, const QFont &font)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    return label;
}

QLabel *Picture(QWidget *parent, const char *name)
{
    auto *picture = new QLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setScaledContents(true);
    picture->setMinimumSize(1, 1);
    picture->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    return picture;
}

namespace {

class ProportionalLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override
    {
        const QPixmap shown = pixmap();
        if (shown.isNull())
            return;
        QRect target(QPoint(0, 0), shown.size().scaled(size(), Qt::KeepAspectRatio));
        target.moveCenter(rect().center());
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(target, shown);
    }
};

} // namespace

QLabel *ProportionalPicture(QWidget *parent, const char *name)
{
    auto *picture = new ProportionalLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setMinimumSize(1, 1);
    picture->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    return picture;
}

QImage ShowJpeg(QLabel *label, const QString &path)
{
    const QImage picture = Jpeg::Load(path);
    label->setPixmap(QPixmap::fromImage(picture));
    return picture;
}

QLabel *FixedPicture(QWidget *parent, const char *name, const QImage &picture)
{
    QLabel *label = Picture(parent, name);
    label->setPixmap(QPixmap::fromImage(picture));
    label->setFixedSize(picture.size());
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    label->setFrameShape(QFrame::Box);
    return label;
}

void StyleGrid(
    TDBGrid *grid, TColor color, TColor fixedColor, const QFont &titleFont, TColor titleColor)
{
    QPalette p = grid->palette();
    p.setColor(QPalette::Base, ToQColor(color));
    p.setColor(QPalette::AlternateBase, ToQColor(color));
    grid->setPalette(p);
    const QString fixed = ToQColor(fixedColor).name();
    grid->setStyleSheet(
        QStringLiteral("QHeaderView::section { background: %1; color: %2; border: 1px solid "
                       "#808080; padding: 1px 2px; } QTableCornerButton::section { background: "
                       "%1; border: 1px solid #808080; }")
            .arg(fixed, ToQColor(titleColor).name()));
    grid->horizontalHeader()->setFont(titleFont);
}

} // namespace InfoStyle
