#include "ProgressBox.h"

#include "app/spread/SpreadControls.h"
#include "app/texts/Texts.h"

#include <QProgressBar>
#include <QPushButton>

ProgressBox::ProgressBox(QWidget& owner, const char* objectName, const char* caption,
                         const char* text, const NamedControl& bar, const NamedControl& cancel,
                         std::function<void()> cancelled)
    : owner_(owner), objectName_(objectName), caption_(caption), text_(text), bar_(bar),
      cancel_(cancel), cancelled_(std::move(cancelled)) {}

void ProgressBox::Show(int permille, const std::function<void(QWidget&)>& named) {
    if (box_ == nullptr) {
        box_ = new QProgressDialog(QString::fromUtf8(text_), QString::fromUtf8(kCancelButton), 0,
                                   1000, &owner_);
        box_->setObjectName(objectName_);
        box_->setWindowTitle(QString::fromUtf8(caption_));
        auto* bar = new QProgressBar(box_);
        bar->setObjectName(bar_.Name);
        box_->setBar(bar);
        auto* cancel = new QPushButton(QString::fromUtf8(kCancelButton), box_);
        cancel->setObjectName(cancel_.Name);
        box_->setCancelButton(cancel);
        box_->setWindowModality(Qt::WindowModal);
        box_->setMinimumDuration(0);
        box_->setAutoClose(false);
        box_->setAutoReset(false);
        QObject::connect(box_, &QProgressDialog::canceled, box_, [this] { cancelled_(); });
        if (named)
            named(*box_);
        box_->show();
    }
    box_->setValue(permille);
}

void ProgressBox::Close() {
    if (box_ == nullptr)
        return;
    // Closed by the presenter, not cancelled by the user.
    box_->disconnect();
    box_->hide();
    box_->deleteLater();
    box_ = nullptr;
}
