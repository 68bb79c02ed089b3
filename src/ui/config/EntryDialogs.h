#pragma once

#include "core/config/Config.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QSpinBox;

// The small modal dialogs that edit one registry record.

// Name and note: categories, events, sessions, sheets and statisticians.
class CNameNoteDialog : public QDialog
{
    Q_OBJECT

public:
    CNameNoteDialog(const QString& title, const QString& name, const QString& note,
                    QWidget* parent = nullptr);

    // Edits a record's name and note in place; false when cancelled.
    static bool edit(CConfigBase& record, const QString& title, QWidget* parent);

    QString name() const;
    QString note() const;
    QLineEdit* nameBox() const { return name_; }
    QLineEdit* noteBox() const { return note_; }

private:
    QLineEdit* name_;
    QLineEdit* note_;
};

// Team: name, code and note. While the name is typed the code follows the
// proposal for it, until the user types a code of their own.
class CTeamEntryDialog : public QDialog
{
    Q_OBJECT

public:
    CTeamEntryDialog(const QString& title, const QString& name, const QString& code,
                     const QString& note, QWidget* parent = nullptr);

    QString name() const;
    QString code() const;
    QString note() const;
    QLineEdit* nameBox() const { return name_; }
    QLineEdit* codeBox() const { return code_; }

private:
    QLineEdit* name_;
    QLineEdit* code_;
    QLineEdit* note_;
    bool codeTyped_ = false;
};

// Player: name, number, the skip mark and note.
class CPlayerEntryDialog : public QDialog
{
    Q_OBJECT

public:
    CPlayerEntryDialog(const QString& title, const CConfigPlayer& player,
                       QWidget* parent = nullptr);

    // The record given, with the dialog's fields.
    CConfigPlayer player() const;
    QLineEdit* nameBox() const { return name_; }
    QSpinBox* numberBox() const { return number_; }
    QCheckBox* skipBox() const { return skip_; }

private:
    CConfigPlayer player_;
    QLineEdit* name_;
    QSpinBox* number_;
    QCheckBox* skip_;
    QLineEdit* note_;
};
