#include "Unit2.h"

#include "Artwork.h"
#include "ui_Unit2.h"

#include <QKeyEvent>

namespace {
constexpr QPoint kFramePosition(192, 114);
}

TForm2::TForm2(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TForm2>()) {
    ui_->setupUi(this);
    move(kFramePosition);
    setWindowIcon(ArtworkIcon(QStringLiteral(":/animal-icon.svg")));
    ui_->Image1->setPixmap(RenderArtwork(QStringLiteral(":/help.svg")));
    // Closing cannot fail: it needs no guard.
    connect(ui_->Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
}

TForm2::~TForm2() = default;

void TForm2::Button1Click() {
    hide();
}

void TForm2::keyPressEvent(QKeyEvent* event) {
    // A plain window, unlike a dialog, has no Escape of its own.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        Button1Click();
    else
        QWidget::keyPressEvent(event);
}
