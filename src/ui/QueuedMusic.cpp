#include "ui/QueuedMusic.h"

QueuedMusic::QueuedMusic(platform::MidiOutput output, QObject* parent)
    : QObject(parent)
    , midi_(std::move(output))
{
}

bool QueuedMusic::play(EndNotice onEnd)
{
    return midi_.play([this, onEnd = std::move(onEnd)] {
        if (onEnd)
            QMetaObject::invokeMethod(this, onEnd, Qt::QueuedConnection);
    });
}
