#pragma once
// The three turn sounds (one per axis), loaded once from the program's
// resources. Playing one cuts off the one still playing. Without an audio
// output device nothing is loaded and nothing plays.
#include <array>
#include <memory>

class QSoundEffect;

namespace view {

class TurnSounds {
 public:
  TurnSounds();
  ~TurnSounds();
  bool Available() const { return available_; }
  void Play(int axis);

 private:
  bool available_ = false;
  std::array<std::unique_ptr<QSoundEffect>, 3> effects_;
};

}  // namespace view
