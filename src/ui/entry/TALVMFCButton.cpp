#include "TALVMFCButton.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <array>
#include <cstdint>

namespace {

QColor fromColorRef(std::uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QColor buttonColour(int colourNumber)
{
    static const std::array<const ColorKey*, 4> keys{&Key::Colors::Button1, &Key::Colors::Button2,
                                                     &Key::Colors::Button3, &Key::Colors::Button4};
    return fromColorRef(Settings::readColor(*keys[std::size_t(colourNumber - 1)]));
}

// A literal "&" in a caption must not become a mnemonic.
QString escaped(const QString& text)
{
    QString out = text;
    return out.replace(QLatin1Char('&'), QLatin1String("&&"));
}

// The button's font, bold while checked, made smaller (down to 70 %) until the
// caption fits on one line.
QFont captionFont(QFont font, bool bold, const QString& caption, int width)
{
    font.setBold(bold);
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && ++i == caption.size())
            break; // "&x" shows x, "&&" shows "&"
        shown.append(caption.at(i));
    }
    const qreal smallest = font.pointSizeF() * 0.7;
    while (QFontMetrics(font).horizontalAdvance(shown) > width &&
           font.pointSizeF() * 0.95 >= smallest)
        font.setPointSizeF(font.pointSizeF() * 0.95);
    return font;
}

} // namespace

CTALVMFCButton::CTALVMFCButton(const QString& shortCaption, QWidget* parent)
    : QPushButton(shortCaption, parent), shortCaption_(shortCaption)
{
    setCheckable(true);
    setAutoDefault(false);
}

QChar CTALVMFCButton::mnemonicOf(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&'))
            continue;
        if (caption.at(i + 1) != QLatin1Char('&'))
            return caption.at(i + 1);
        ++i; // "&&" is a literal "&"
    }
    return {};
}

QString CTALVMFCButton::captionWithMnemonic(const QString& shortCaption, const QString& longCaption)
{
    const QString caption = escaped(longCaption);
    const QChar letter = mnemonicOf(shortCaption);
    if (letter.isNull())
        return caption;
    qsizetype at = caption.indexOf(letter);
    if (at < 0 && letter.toLower() != letter)
        at = caption.indexOf(letter.toLower());
    if (at >= 0)
        return caption.left(at) + QLatin1Char('&') + caption.mid(at);
    return QLatin1Char('&') + QString(letter) + QLatin1Char(' ') + caption;
}

void CTALVMFCButton::SetUpButton(int gridRow, int gridColumn, const QString& longCaption,
                                 bool stretch, int colourNumber)
{
    gridRow_ = gridRow;
    gridColumn_ = gridColumn;
    stretch_ = stretch;
    colourNumber_ = colourNumber;
    longCaption_ = stretch ? captionWithMnemonic(shortCaption_, longCaption) : escaped(longCaption);
    designed_ = geometry();
}

void CTALVMFCButton::setShortCaption(const QString& caption)
{
    shortCaption_ = caption;
    if (compact_)
        setText(caption);
}

void CTALVMFCButton::SetCompact()
{
    compact_ = true;
    setText(shortCaption_);
    const QRect d = designed_;
    if (stretch_)
        setGeometry(d);
    else
        setGeometry(d.x() - (gridColumn_ * d.width() * 3) / 4, d.y(), d.width() / 4, d.height());
}

void CTALVMFCButton::SetWide()
{
    compact_ = false;
    setText(longCaption_.isEmpty() ? shortCaption_ : longCaption_);
    const QRect d = designed_;
    if (stretch_) // integer forms of trunc(w * 1.75) and trunc(w * 2.75)
        setGeometry(d.x() + (d.width() * 7) / 4 * gridColumn_, d.y(), (d.width() * 11) / 4,
                    d.height());
    else
        setGeometry(d);
}

QColor CTALVMFCButton::formBackground() const
{
    return palette().color(QPalette::Window);
}

void CTALVMFCButton::ApplyColour(bool lookStyled)
{
    lookStyled_ = lookStyled;
    if (lookStyled)
        face_ = QColor();
    else if (Settings::read(Key::Options::ColorButton) != 0 && colourNumber_ >= 1 &&
             colourNumber_ <= 4)
        face_ = buttonColour(colourNumber_);
    else
        face_ = formBackground();
    update();
}

void CTALVMFCButton::paintEvent(QPaintEvent*)
{
    const bool sunken = isChecked() || isDown();
    if (lookStyled_ || !face_.isValid()) {
        // The look draws the face; a bold caption still tells the checked button.
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRect content = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        const QFont f = captionFont(font(), isChecked(), text(), content.width() - 2);
        painter.setFont(f);
        option.fontMetrics = QFontMetrics(f);
        painter.drawControl(QStyle::CE_PushButton, option);
        return;
    }

    QPainter painter(this);
    const QRect r = rect();
    QColor face = sunken ? face_.darker(isChecked() ? 135 : 115) : face_;
    if (!isEnabled()) {
        // Mostly the background, so that a finished game's buttons read as off.
        const QColor back = palette().color(QPalette::Window);
        face = QColor((face_.red() + 3 * back.red()) / 4, (face_.green() + 3 * back.green()) / 4,
                      (face_.blue() + 3 * back.blue()) / 4);
    }
    painter.fillRect(r, face);

    // A raised edge for a released button, a sunken one while checked or held.
    const QColor light = face_.lighter(150), dark = face_.darker(170);
    const QColor topLeft = sunken ? dark : light, bottomRight = sunken ? light : dark;
    painter.setPen(topLeft);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    if (isChecked()) {
        painter.setPen(QPen(dark, 2));
        painter.drawRect(r.adjusted(1, 1, -1, -1));
    }

    const QRect textRect = r.adjusted(3, 2, -3, -2).translated(sunken ? 1 : 0, sunken ? 1 : 0);
    painter.setFont(captionFont(font(), isChecked(), text(), textRect.width()));
    const QPalette::ColorRole role = QPalette::ButtonText;
    QPalette pal = palette();
    pal.setColor(QPalette::Disabled, role, face.darker(160));
    style()->drawItemText(&painter, textRect, Qt::AlignCenter | Qt::TextShowMnemonic, pal,
                          isEnabled(), text(), role);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = r.adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
