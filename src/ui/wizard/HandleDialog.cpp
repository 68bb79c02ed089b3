#include "HandleDialog.h"

#include "core/files/Document.h"

#include <QPixmap>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QColor fromStored(qint32 bgr)
{
    return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff);
}

QIcon swatch(qint32 bgr)
{
    QPixmap pixmap(28, 16);
    pixmap.fill(fromStored(bgr));
    return QIcon(pixmap);
}

} // namespace

CHandleDialog::CHandleDialog(CTALVStatsDoc& doc, QWidget* parent)
    : QWizardPage(parent), doc_(doc),
      first_(new QRadioButton(tr("Handles of the first colour"), this)),
      second_(new QRadioButton(tr("Handles of the second colour"), this))
{
    setTitle(tr("Stone colours"));
    first_->setIconSize(QSize(28, 16));
    second_->setIconSize(QSize(28, 16));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(first_);
    layout->addWidget(second_);
    layout->addStretch();
    load();
}

void CHandleDialog::load()
{
    model_.emplace(doc_);
    setSubTitle(model_->prompt());
    // Team 1's stones show in the Dark colour; the other choice swaps the two.
    const bool firstChosen = model_->choice() != 0;
    const DocumentFields& f = doc_.fields();
    first_->setIcon(swatch(firstChosen ? f.Dark : f.Light));
    second_->setIcon(swatch(firstChosen ? f.Light : f.Dark));
    first_->setChecked(firstChosen);
    second_->setChecked(!firstChosen);
    first_->setEnabled(!model_->readOnly());
    second_->setEnabled(!model_->readOnly());
}

bool CHandleDialog::confirm()
{
    model_->choose(first_->isChecked() ? 1 : 0);
    if (model_->apply(doc_))
        load(); // the swatches follow the exchanged colours
    return true;
}
