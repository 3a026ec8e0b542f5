// The sound module: one QSoundEffect per file, made when the file is first
// played and kept, at half volume.

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <map>
#include <memory>

#include "desktop/sound_player.h"

namespace {

class SoundEffects : public SoundPlayer {
 public:
  void play(const QString& file) override {
    if (playing_) playing_->stop();
    std::unique_ptr<QSoundEffect>& effect = effects_[file];
    if (!effect) {
      effect = std::make_unique<QSoundEffect>();
      effect->setVolume(0.5f);
      effect->setSource(QUrl::fromLocalFile(file));
    }
    playing_ = effect.get();
    playing_->play();
  }

 private:
  std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
  QSoundEffect* playing_ = nullptr;
};

}  // namespace

extern "C" Q_DECL_EXPORT SoundPlayer* pentaroSoundPlayer(QString* whyNot) {
  // Qt would say why in words of its own; the game's one line is enough.
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  const bool silent = QMediaDevices::defaultAudioOutput().isNull();
  qInstallMessageHandler(previous);
  if (silent) {
    *whyNot = "no audio output (is a PulseAudio or PipeWire server running?)";
    return nullptr;
  }
  return new SoundEffects;
}
