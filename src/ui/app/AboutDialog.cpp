#include "AboutDialog.h"

#include "core/app/StartCommands.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

// A small house as the dialog's emblem.
QPixmap emblem(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size / 2.0, size / 2.0);
    const qreal radius = size / 2.0 - 2;
    const QColor colours[] = {QColor(40, 90, 200), QColor(250, 250, 252), QColor(205, 35, 45),
                              QColor(250, 250, 252)};
    const qreal shares[] = {1.0, 2.0 / 3.0, 1.0 / 3.0, 1.0 / 6.0};
    painter.setPen(QPen(QColor(70, 80, 95), 1));
    for (int i = 0; i < 4; ++i) {
        painter.setBrush(colours[i]);
        painter.drawEllipse(centre, radius * shares[i], radius * shares[i]);
    }
    return pixmap;
}

} // namespace

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("About HAVRIK Coach Tool"));
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setPixmap(emblem(72));
    picture->setAlignment(Qt::AlignTop);

    auto* text = new QLabel(this);
    text->setObjectName(QStringLiteral("aboutText"));
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setText(
        tr("<p style='font-size:15pt; font-weight:600'>HAVRIK Coach Tool</p>"
           "<p>Version %1</p>"
           "<p>Records every stone of a curling game &mdash; who threw it, the called shot, the "
           "rotation, how well it was made and where the stones came to rest &mdash; and turns "
           "the records into percentages per player, position, team and shot, diagrams and "
           "house drawings. Keeps both teams' thinking time, a stopwatch and time-outs.</p>")
            .arg(QLatin1String(StartCommands::ProgramVersion)));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(picture);
    row->addSpacing(12);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    text->setFixedWidth(400);
}
