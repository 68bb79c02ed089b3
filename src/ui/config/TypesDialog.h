#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
struct NumberedKey;

// A remark or comment type: the text, and whether it joins the remembered
// types of its key (Types "Remark%d" or "Comment%d").
class CTypesDialog : public QDialog
{
    Q_OBJECT

public:
    CTypesDialog(const QString& title, const NumberedKey& key, const QString& text = {},
                 QWidget* parent = nullptr);

    QString text() const;
    QLineEdit* textBox() const { return text_; }
    QCheckBox* addToListBox() const { return addToList_; }

    // After OK with the box ticked: stores the text among the remembered
    // types; the slot written, or -1 when nothing is to be added to the list.
    int remember() const;

private:
    const NumberedKey& key_;
    QLineEdit* text_;
    QCheckBox* addToList_;
};
