#pragma once

#include <QDialog>

class QPlainTextEdit;

// A larger editor for a shot's remark or comment: OK hands the edited text back.
class CTextEditorDialog : public QDialog
{
    Q_OBJECT

public:
    CTextEditorDialog(const QString& title, const QString& text, QWidget* parent = nullptr);

    QString text() const;
    QPlainTextEdit* editor() const { return editor_; }

    // Opens the editor; the edited text when OK was pressed, else the text as it was.
    static QString edit(const QString& title, const QString& text, QWidget* parent);

private:
    QPlainTextEdit* editor_;
};
