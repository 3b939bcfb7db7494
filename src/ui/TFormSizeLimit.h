#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>
#include <cstdint>

class QWidget;

// Keeps a top-level window's outer size (frame included) between a minimum and a maximum
// while the user resizes it. Limits apply only while Active; switching it off, or destroying
// the helper, gives the window back the limits it had before. A maximum of 0 means no maximum.
class TFormSizeLimit : public QObject {
public:
    // The owner must be a top-level window; anything else throws
    // std::invalid_argument("A Form MUST be the owner").
    explicit TFormSizeLimit(QWidget* owner);
    ~TFormSizeLimit() override;

    bool Active() const { return active_; }
    std::uint16_t MinWidth() const { return minWidth_; }
    std::uint16_t MinHeight() const { return minHeight_; }
    std::uint16_t MaxWidth() const { return maxWidth_; }
    std::uint16_t MaxHeight() const { return maxHeight_; }

    // Each setter takes effect at once while the helper is active.
    void setActive(bool active);
    void setMinWidth(std::uint16_t width);
    void setMinHeight(std::uint16_t height);
    void setMaxWidth(std::uint16_t width);
    void setMaxHeight(std::uint16_t height);

protected:
    // The frame's size is known only once the window manager has framed the window, so the
    // limits are worked out again whenever the owner is shown, moved or resized.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setLimit(std::uint16_t& limit, std::uint16_t value);
    void apply();
    void restoreOwnerLimits();

    QPointer<QWidget> owner_;
    QSize ownerMinimum_;
    QSize ownerMaximum_;
    bool active_ = false;
    std::uint16_t minWidth_ = 0;
    std::uint16_t minHeight_ = 0;
    std::uint16_t maxWidth_ = 0;
    std::uint16_t maxHeight_ = 0;
};
