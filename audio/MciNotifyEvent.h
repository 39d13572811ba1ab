#pragma once

#include <QEvent>

#include <cstdint>

// The end-of-song notice: posted to the main thread when a play started by PlayMidi
// ends, whether the song ran out or was stopped. MidiSequencer delivers it to the
// callback window given to OpenMidi, which handles it as its OnMciNotify:
//
//   bool TFormMain::event(QEvent* e)
//   {
//       if (e->type() == MciNotifyEvent::Type()) { RunHandler([this] { OnMciNotify(); }); return true; }
//       return TSkinnedForm::event(e);
//   }
//
// Like the window message it stands for, its contents need not be examined.
class MciNotifyEvent : public QEvent {
public:
    explicit MciNotifyEvent(std::uint16_t deviceId);

    static QEvent::Type Type();

    // The device whose play ended.
    std::uint16_t DeviceId() const { return deviceId_; }

private:
    std::uint16_t deviceId_;
};
