#pragma once

#include <QColor>
#include <QPushButton>
#include <QRect>
#include <QString>

// A checkable button of the shot-entry form with a short caption (carrying a
// keyboard mnemonic) for the narrow layout and a long one for the wide layout.
// It paints itself flat in the form's background colour or in one of the four
// button colours, unless the application look paints it.
class CTALVMFCButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CTALVMFCButton(const QString& shortCaption = {}, QWidget* parent = nullptr);

    // Stores the grid position, the stretch flag and the colour number and takes
    // the button's present geometry as its designed rectangle. A stretching
    // button's long caption gets the short caption's mnemonic.
    void SetUpButton(int gridRow, int gridColumn, const QString& longCaption, bool stretch,
                     int colourNumber);
    // The narrow form: the short caption; a button without stretch shrinks to a
    // quarter of its width, moved left so that a row of them stays together.
    void SetCompact();
    // The wide form: the long caption; a stretching button widens to 2.75 times
    // its designed width, spread over the grid.
    void SetWide();
    // Flat face (lookStyled off) in the form background or the button colour of
    // the colour number when ColorButton is on; styled by the look otherwise.
    void ApplyColour(bool lookStyled);

    // The short caption as shown in the compact form; a new one is shown at once
    // when the button is compact.
    void setShortCaption(const QString& caption);
    QString shortCaption() const { return shortCaption_; }
    QString longCaption() const { return longCaption_; }
    int gridRow() const { return gridRow_; }
    int gridColumn() const { return gridColumn_; }
    bool stretch() const { return stretch_; }
    int colourNumber() const { return colourNumber_; }
    QRect designedRect() const { return designed_; }
    bool isCompact() const { return compact_; }
    // The flat face colour in force; invalid while the look paints the button.
    QColor faceColour() const { return face_; }

    // The long caption with the mnemonic letter of the short caption marked
    // where it stands, first as written, then in lower case; when it is
    // missing, "&", the letter and a blank go in front.
    static QString captionWithMnemonic(const QString& shortCaption, const QString& longCaption);
    // The letter after a caption's first single "&"; null without a mnemonic.
    static QChar mnemonicOf(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor formBackground() const;

    QString shortCaption_, longCaption_;
    int gridRow_ = 0, gridColumn_ = 0;
    bool stretch_ = false;
    int colourNumber_ = 0;
    QRect designed_;
    bool compact_ = true;
    bool lookStyled_ = false;
    QColor face_;
};
