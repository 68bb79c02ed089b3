#include "QuickViewWindow.h"

#include <QCloseEvent>
#include <QFont>
#include <QGridLayout>
#include <QLabel>

namespace {

QLabel* plainLabel(QWidget* parent, const QString& name, Qt::Alignment alignment)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

} // namespace

CQuickViewWindow::CQuickViewWindow(QWidget* parent) : QWidget(parent)
{
    // The window's own colour behind texts drawn without a background.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);
    for (int team = 0; team < 2; ++team) {
        TeamLabels& labels = teams_[std::size_t(team)];
        const QString prefix = QStringLiteral("team%1").arg(team + 1);
        const int column = team * 2;
        labels.name = plainLabel(this, prefix + QStringLiteral("Name"), Qt::AlignLeft);
        labels.figure = plainLabel(this, prefix + QStringLiteral("Figure"), Qt::AlignRight);
        QFont bold = labels.name->font();
        bold.setBold(true);
        labels.name->setFont(bold);
        labels.figure->setFont(bold);
        grid->addWidget(labels.name, 0, column);
        grid->addWidget(labels.figure, 0, column + 1);
        for (int row = 0; row < 5; ++row) {
            const QString rowName = prefix + QStringLiteral("Row%1").arg(row);
            const auto index = std::size_t(row);
            labels.rowLabels[index] =
                plainLabel(this, rowName + QStringLiteral("Label"), Qt::AlignLeft);
            labels.rowFigures[index] =
                plainLabel(this, rowName + QStringLiteral("Figure"), Qt::AlignRight);
            grid->addWidget(labels.rowLabels[index], row + 1, column);
            grid->addWidget(labels.rowFigures[index], row + 1, column + 1);
        }
    }
    grid->setRowStretch(6, 1);
}

void CQuickViewWindow::showModel(const QuickViewModel& model)
{
    setWindowTitle(model.title);
    for (std::size_t team = 0; team < 2; ++team) {
        const QuickViewTeam& content = model.teams[team];
        TeamLabels& labels = teams_[team];
        labels.name->setText(content.name);
        labels.figure->setText(content.figure);
        for (std::size_t row = 0; row < content.rows.size(); ++row) {
            const QuickViewRow& line = content.rows[row];
            labels.rowLabels[row]->setText(line.label);
            labels.rowFigures[row]->setText(line.figure);
            // A disabled label is drawn in the style's grey.
            labels.rowLabels[row]->setEnabled(!line.greyed);
            labels.rowFigures[row]->setEnabled(!line.greyed);
        }
    }
}

void CQuickViewWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    Q_EMIT closed();
}
