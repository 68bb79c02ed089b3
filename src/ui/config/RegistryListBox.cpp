#include "RegistryListBox.h"

#include "core/base/Prompts.h"
#include "core/base/Texts.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

namespace {
constexpr int DeleteQuestionId = 5012;
}

CRegistryListBox::CRegistryListBox(Shape shape, Prompts& prompts, QWidget* parent)
    : QWidget(parent), prompts_(prompts), shape_(shape)
{
    QBoxLayout* layout = nullptr;
    QBoxLayout* buttons = nullptr;
    if (shape == Shape::DropList) {
        dropList_ = new QComboBox(this);
        dropList_->setObjectName(QStringLiteral("dropList"));
        dropList_->setMinimumContentsLength(18);
        dropList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        dropList_->setInsertPolicy(QComboBox::NoInsert);
        dropList_->installEventFilter(this);
        connect(dropList_, &QComboBox::currentIndexChanged, this, [this](int row) {
            updateButtons();
            Q_EMIT currentRowChanged(row);
        });
        // Names stay readable beside the four buttons.
        dropList_->setMinimumContentsLength(18);
        dropList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        layout = new QHBoxLayout(this);
        layout->addWidget(dropList_, 1);
        buttons = layout;
    } else {
        list_ = new QListWidget(this);
        list_->setObjectName(QStringLiteral("list"));
        list_->viewport()->installEventFilter(this);
        connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
            updateButtons();
            Q_EMIT currentRowChanged(row);
        });
        connect(list_, &QListWidget::itemSelectionChanged, this, &CRegistryListBox::updateButtons);
        connect(list_, &QListWidget::itemActivated, this,
                [this](QListWidgetItem* item) { Q_EMIT opened(list_->row(item)); });
        layout = new QHBoxLayout(this);
        layout->addWidget(list_, 1);
        buttons = new QVBoxLayout;
        layout->addLayout(buttons);
    }
    layout->setContentsMargins(0, 0, 0, 0);

    new_ = addButton(tr("Ne&w…"), "new");
    edit_ = addButton(tr("&Edit…"), "edit");
    delete_ = addButton(tr("&Delete"), "delete");
    clear_ = addButton(tr("C&lear selection"), "clear");
    if (shape == Shape::List)
        buttons->addStretch(1);
    for (QPushButton* button : {new_, edit_, delete_, clear_})
        buttons->addWidget(button);
    if (shape == Shape::List)
        buttons->addStretch(2);
    connect(new_, &QPushButton::clicked, this, &CRegistryListBox::newRequested);
    connect(edit_, &QPushButton::clicked, this, [this] {
        if (currentRow() >= 0)
            Q_EMIT editRequested(currentRow());
    });
    connect(delete_, &QPushButton::clicked, this, [this] {
        if (currentRow() >= 0)
            Q_EMIT deleteRequested(currentRow());
    });
    connect(clear_, &QPushButton::clicked, this, [this] { setCurrentRow(-1); });
    updateButtons();
}

QPushButton* CRegistryListBox::addButton(const QString& caption, const char* objectName)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(objectName));
    button->setAutoDefault(false);
    if (shape_ == Shape::DropList) {
        // Compact row beside the drop-list: the text without its ellipsis.
        QString compact = caption;
        button->setText(compact.remove(QStringLiteral("…")));
        button->setToolTip(compact.remove(QLatin1Char('&')));
    }
    return button;
}

QPushButton* CRegistryListBox::button(const QString& objectName) const
{
    return findChild<QPushButton*>(objectName, Qt::FindDirectChildrenOnly);
}

void CRegistryListBox::setRegistryEnabled(bool enabled)
{
    enabled_ = enabled;
    if (dropList_) {
        const QString typed = currentText();
        dropList_->setEditable(!enabled);
        if (!enabled) {
            connect(dropList_->lineEdit(), &QLineEdit::editingFinished, this,
                    &CRegistryListBox::editingFinished, Qt::UniqueConnection);
            dropList_->setEditText(typed);
        }
    }
    for (QPushButton* button : {new_, clear_, edit_, delete_})
        button->setVisible(enabled);
    updateButtons();
}

void CRegistryListBox::setEntries(const QStringList& entries)
{
    if (dropList_) {
        const QString typed = enabled_ ? QString() : dropList_->currentText();
        const QSignalBlocker blocker(dropList_);
        dropList_->clear();
        dropList_->addItems(entries);
        dropList_->setCurrentIndex(-1);
        if (!enabled_)
            dropList_->setEditText(typed);
    } else {
        const QSignalBlocker blocker(list_);
        list_->clear();
        list_->addItems(entries);
        list_->setCurrentRow(-1);
    }
    updateButtons();
}

QStringList CRegistryListBox::entries() const
{
    QStringList result;
    for (int row = 0; row < count(); ++row)
        result.append(dropList_ ? dropList_->itemText(row) : list_->item(row)->text());
    return result;
}

int CRegistryListBox::count() const
{
    return dropList_ ? dropList_->count() : list_->count();
}

int CRegistryListBox::currentRow() const
{
    if (dropList_)
        return dropList_->currentIndex();
    // A cleared selection keeps Qt's current item: only a selected row counts.
    const int row = list_->currentRow();
    return row >= 0 && list_->item(row)->isSelected() ? row : -1;
}

void CRegistryListBox::setCurrentRow(int row)
{
    if (dropList_) {
        dropList_->setCurrentIndex(row);
        if (row < 0 && !enabled_)
            dropList_->setEditText(QString());
    } else if (row < 0) {
        list_->clearSelection();
        list_->setCurrentRow(-1);
    } else {
        list_->setCurrentRow(row);
    }
    updateButtons();
}

QString CRegistryListBox::currentText() const
{
    if (dropList_)
        return dropList_->currentText();
    const int row = currentRow();
    return row >= 0 ? list_->item(row)->text() : QString();
}

void CRegistryListBox::setCurrentText(const QString& text)
{
    if (!dropList_)
        return;
    if (dropList_->isEditable())
        dropList_->setEditText(text);
    else
        dropList_->setCurrentIndex(dropList_->findText(text, Qt::MatchExactly));
}

void CRegistryListBox::appendEntry(const QString& text)
{
    if (dropList_)
        dropList_->addItem(text);
    else
        list_->addItem(text);
    setCurrentRow(count() - 1);
}

void CRegistryListBox::replaceEntry(int row, const QString& text)
{
    if (row < 0 || row >= count())
        return;
    if (dropList_)
        dropList_->setItemText(row, text);
    else
        list_->item(row)->setText(text);
}

void CRegistryListBox::removeEntry(int row)
{
    if (row < 0 || row >= count())
        return;
    if (dropList_) {
        dropList_->removeItem(row);
        dropList_->setCurrentIndex(-1);
    } else {
        delete list_->takeItem(row);
        setCurrentRow(-1);
    }
    updateButtons();
}

bool CRegistryListBox::confirmDelete(const QString& recordName)
{
    return prompts_.askOkCancel(Texts::get(DeleteQuestionId).arg(recordName),
                                Prompts::Icon::Warning);
}

QMenu* CRegistryListBox::buildContextMenu()
{
    if (!enabled_)
        return nullptr;
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("listCommands"));
    menu->addAction(new_->text(), this, &CRegistryListBox::newRequested);
    const int row = currentRow();
    if (row >= 0) {
        menu->addAction(clear_->text(), this, [this] { setCurrentRow(-1); });
        menu->addAction(edit_->text(), this, [this, row] { Q_EMIT editRequested(row); });
        menu->addAction(delete_->text(), this, [this, row] { Q_EMIT deleteRequested(row); });
    }
    return menu;
}

bool CRegistryListBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ContextMenu &&
        (watched == dropList_ || (list_ && watched == list_->viewport()))) {
        if (QMenu* menu = buildContextMenu()) {
            if (list_) {
                // The row under the mouse is the one the commands act on.
                const QPoint at = list_->viewport()->mapFromGlobal(
                    static_cast<QContextMenuEvent*>(event)->globalPos());
                if (QListWidgetItem* item = list_->itemAt(at)) {
                    list_->setCurrentItem(item);
                    delete menu;
                    menu = buildContextMenu();
                }
            }
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CRegistryListBox::updateButtons()
{
    const bool selected = currentRow() >= 0;
    edit_->setEnabled(selected);
    delete_->setEnabled(selected);
    clear_->setEnabled(selected);
}
