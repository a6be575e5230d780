#include "GraphActions.h"

#include "CommandActions.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

#include <optional>

namespace {

std::optional<MarkerStep> MarkerStepOf(const QKeyEvent& key) {
    if (key.modifiers() & ~Qt::KeypadModifier)
        return std::nullopt;
    switch (key.key()) {
    case Qt::Key_Left:
        return MarkerStep::Previous;
    case Qt::Key_Right:
        return MarkerStep::Next;
    case Qt::Key_PageUp:
        return MarkerStep::TenBack;
    case Qt::Key_PageDown:
        return MarkerStep::TenOn;
    case Qt::Key_Home:
        return MarkerStep::First;
    case Qt::Key_End:
        return MarkerStep::Last;
    default:
        return std::nullopt;
    }
}

} // namespace

GraphActions::GraphActions(QWidget& window, GraphPresenter& form)
    : QObject(&window), window_(window), presenter_(form),
      actions_(AddCommandActions(window, form, Qt::WindowShortcut)) {
    window_.setMouseTracking(true);
    window_.setFocusPolicy(Qt::StrongFocus);
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
        case QEvent::KeyPress:
            if (const auto step = MarkerStepOf(*static_cast<QKeyEvent*>(event))) {
                presenter_.MoveMarker(*step, ChartArea());
                return true;
            }
            break;
        case QEvent::Leave:
            QToolTip::hideText();
            break;
        case QEvent::ContextMenu:
            // The menu follows the curve shown as it stands, like the picture.
            FollowEnabling(actions_, presenter_);
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void GraphActions::ShowReadout(const QPoint& position, const QPoint& globalPosition) {
    const auto text = presenter_.Readout(ChartArea(), position.x());
    if (!text || !window_.rect().contains(position)) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(globalPosition, QString::fromStdString(*text), &window_);
}

ClipRect GraphActions::ChartArea() const {
    return {0, 0, window_.width(), window_.height()};
}

void GraphActions::ShowMarkerReadout(const std::string& text, Point at) {
    const QString readout = QString::fromStdString(text);
    // Announced to screen readers with a description-changed event.
    window_.setAccessibleDescription(readout);
    if (readout.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(window_.mapToGlobal(QPoint(at.X, at.Y)), readout, &window_);
}
