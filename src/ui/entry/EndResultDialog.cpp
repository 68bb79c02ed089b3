#include "EndResultDialog.h"

#include "core/entry/ShotEntry.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
constexpr int kDatabaseButtonId = 1039;
constexpr std::array<int, 2> kListIds{1237, 1238};
constexpr std::array<int, 2> kLabelIds{EntryId::Team1Label, EntryId::Team2Label};
} // namespace

CResultDialog::CResultDialog(const ResultDialogModel& model, QWidget* parent)
    : QDialog(parent), model_(model)
{
    setWindowTitle(model_.caption());
    auto* grid = new QGridLayout;
    for (int team = 0; team < 2; ++team) {
        const auto slot = std::size_t(team);
        auto* label = new QLabel(model_.teamLabel(team), this);
        label->setObjectName(QString::number(kLabelIds[slot]));
        label->setTextFormat(Qt::PlainText);
        auto* list = new QListWidget(this);
        list->setObjectName(QString::number(kListIds[slot]));
        list->addItems(ResultDialogModel::scoreItems());
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setVisible(!model_.scoresHidden);
        // Selection, not the current row: tabbing into a list must not score.
        connect(list, &QListWidget::itemSelectionChanged, this, [this, team] { chosen(team); });
        lists_[slot] = list;
        grid->addWidget(label, 0, team);
        grid->addWidget(list, 1, team);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(model_.okEnabled());
    // The database button only shows that the game is linked; it has no action.
    auto* database = new QPushButton(tr("Database"), this);
    database->setObjectName(QString::number(kDatabaseButtonId));
    database->setEnabled(false);
    buttons->addButton(database, QDialogButtonBox::ActionRole);
    // After adding: the button box shows every button it takes.
    database->setVisible(model_.databaseButtonVisible);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    showScores();
}

void CResultDialog::chosen(int team)
{
    const QList<QListWidgetItem*> selected = lists_[std::size_t(team)]->selectedItems();
    if (selected.isEmpty())
        return;
    model_.chooseScore(team, lists_[std::size_t(team)]->row(selected.first()));
    showScores();
}

void CResultDialog::showScores()
{
    for (int team = 0; team < 2; ++team) {
        QListWidget* list = lists_[std::size_t(team)];
        const QSignalBlocker block(list);
        const int score = model_.score(team);
        if (score == ResultDialogModel::NoScore)
            list->clearSelection();
        else
            list->setCurrentRow(score, QItemSelectionModel::ClearAndSelect);
    }
}
