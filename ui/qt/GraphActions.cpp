#include "GraphActions.h"

#include "FileDialog.h"
#include "GuardedAction.h"
#include "app/CharacteristicPoints.h"
#include "app/ExportTexts.h"
#include "app/GraphReadout.h"
#include "app/SafeFile.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

#include <filesystem>

GraphActions::GraphActions(QWidget& window, const CalcState& state, MessageBoxes& boxes)
    : QObject(&window), window_(window), state_(state), boxes_(boxes), chooser_(&SaveDialog()) {
    const auto add = [&](const char* text, const QKeySequence& key,
                         void (GraphActions::*handler)()) {
        return AddGuardedAction(window_, text, key, Qt::WindowShortcut, boxes_,
                                [this, handler] { (this->*handler)(); });
    };
    add(kCopyPictureCommand, QKeySequence::Copy, &GraphActions::CopyPicture);
    add(kSavePictureCommand, QKeySequence::Save, &GraphActions::SavePicture);
    characteristicPoints_ =
        add(kCharacteristicPointsCommand, QKeySequence(), &GraphActions::ShowCharacteristicPoints);
    window_.setContextMenuPolicy(Qt::ActionsContextMenu);
    window_.setMouseTracking(true);
    window_.installEventFilter(this);
}

bool GraphActions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        switch (event->type()) {
        case QEvent::MouseMove: {
            const auto* move = static_cast<QMouseEvent*>(event);
            ShowReadout(move->position().toPoint(), move->globalPosition().toPoint());
            break;
        }
        case QEvent::Leave:
            QToolTip::hideText();
            break;
        case QEvent::ContextMenu:
            // The menu follows the state as it stands, like the picture.
            characteristicPoints_->setEnabled(ComputedRows(state_) > 0);
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void GraphActions::ShowReadout(const QPoint& position, const QPoint& globalPosition) {
    // The chart fills the whole client area, as the paint scales it.
    const ClipRect area{0, 0, window_.width(), window_.height()};
    const auto point = PointUnderPointer(state_, area, position.x());
    if (!point || !window_.rect().contains(position)) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(globalPosition, QString::fromStdString(ReadoutText(*point)), &window_);
}

void GraphActions::CopyPicture() {
    QGuiApplication::clipboard()->setImage(window_.grab().toImage());
}

void GraphActions::SavePicture() {
    const QString name = chooser_->SaveFileName(&window_, QString::fromUtf8(kSavePictureCaption),
                                                QString::fromUtf8(kPngFilter),
                                                QString::fromUtf8(kSuggestedPictureName));
    if (name.isEmpty())
        return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    window_.grab().toImage().save(&buffer, "PNG");
    const std::string error =
        WriteFileSafely(std::filesystem::path(name.toStdU16String()),
                        [&](std::ostream& out) { out.write(png.constData(), png.size()); });
    if (!error.empty())
        boxes_.ShowError(error);
}

void GraphActions::ShowCharacteristicPoints() {
    if (const auto points = FindCharacteristicPoints(state_))
        boxes_.ShowMessage(CharacteristicPointsText(*points));
}
