#pragma once

#include <QWidget>

class Prompts;
class QAction;
class QComboBox;
class QListWidget;
class QMenu;
class QPushButton;

// A list of registry records with the list commands New, Clear selection, Edit
// and Delete as buttons and as a context menu. The owner keeps the registry:
// it answers the request signals and then updates the shown entries.
//
// A drop-list shape serves the set-up pages, a list shape the browsers. With
// the registry disabled the drop-list becomes a free-text box and no command
// is offered.
class CRegistryListBox : public QWidget
{
    Q_OBJECT

public:
    enum class Shape
    {
        DropList,
        List
    };

    CRegistryListBox(Shape shape, Prompts& prompts, QWidget* parent = nullptr);

    void setRegistryEnabled(bool enabled);
    bool registryEnabled() const { return enabled_; }

    // Replaces the entries; nothing is selected afterwards.
    void setEntries(const QStringList& entries);
    QStringList entries() const;
    int count() const;
    int currentRow() const;
    // -1 clears the selection.
    void setCurrentRow(int row);
    // The selected entry, or in free-text mode the typed text.
    QString currentText() const;
    void setCurrentText(const QString& text);

    // Adds at the end and selects it.
    void appendEntry(const QString& text);
    void replaceEntry(int row, const QString& text);
    void removeEntry(int row);

    // Delete's question (text 5012 with the record's name); true for OK.
    bool confirmDelete(const QString& recordName);

    // The context menu for the selection as it is; null with the registry
    // disabled. With nothing selected it holds only New.
    QMenu* buildContextMenu();

    QComboBox* dropList() const { return dropList_; }
    QListWidget* list() const { return list_; }
    QPushButton* button(const QString& objectName) const;

Q_SIGNALS:
    void newRequested();
    void editRequested(int row);
    // The owner asks confirmDelete with the record's name first.
    void deleteRequested(int row);
    // A row opened (double click or Enter in the list shape).
    void opened(int row);
    void currentRowChanged(int row);
    // Free-text mode: the box lost the focus.
    void editingFinished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateButtons();
    QPushButton* addButton(const QString& caption, const char* objectName);

    Prompts& prompts_;
    Shape shape_;
    bool enabled_ = true;
    QComboBox* dropList_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* new_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* delete_ = nullptr;
};
