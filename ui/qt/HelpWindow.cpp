#include "HelpWindow.h"

#include "Artwork.h"
#include "ui_HelpWindow.h"

#include <QKeyEvent>

namespace {
constexpr QPoint kFramePosition(192, 114);
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::HelpWindow>()) {
    ui_->setupUi(this);
    move(kFramePosition);
    setWindowIcon(ArtworkIcon(QStringLiteral(":/animal-icon.svg")));
    ui_->Image1->setPixmap(RenderArtwork(QStringLiteral(":/help.svg")));
    // Closing cannot fail: it needs no guard.
    connect(ui_->Button1, &QPushButton::clicked, this, &HelpWindow::CloseButtonClicked);
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::CloseButtonClicked() {
    hide();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    // A plain window, unlike a dialog, has no Escape of its own.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        CloseButtonClicked();
    else
        QWidget::keyPressEvent(event);
}
