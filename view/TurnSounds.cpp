#include "view/TurnSounds.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace view {

namespace {
const char* const kSoundFiles[3] = {"qrc:/sounds/turn_x.wav", "qrc:/sounds/turn_y.wav",
                                    "qrc:/sounds/turn_z.wav"};
}

TurnSounds::TurnSounds() {
  // QSoundEffect reports "playing" forever without a device; never try there.
  if (QMediaDevices::audioOutputs().isEmpty()) return;
  for (int axis = 0; axis < 3; ++axis) {
    effects_[axis] = std::make_unique<QSoundEffect>();
    effects_[axis]->setSource(QUrl(kSoundFiles[axis]));
  }
  available_ = true;
}

TurnSounds::~TurnSounds() = default;

void TurnSounds::Play(int axis) {
  if (!available_ || axis < 0 || axis > 2) return;
  for (auto& e : effects_) e->stop();
  effects_[axis]->play();
}

}  // namespace view
