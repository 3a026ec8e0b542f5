// SPDX-License-Identifier: GPL-3.0-or-later
// The sound module: effects played through the desktop's sound server with
// PulseAudio's own client library (PipeWire desktops serve the same), one
// stream at a time, at half volume.

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/rtclock.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>
#include <pulse/volume.h>

#include <QString>
#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "desktop/sound/wave_file.h"
#include "desktop/sound_player.h"

namespace {

// How long start-up waits for the server to answer before going silent.
constexpr pa_usec_t kConnectTimeout = 2'000'000;

pa_sample_format_t serverFormat(WaveSound::Format format) {
  switch (format) {
    case WaveSound::Format::U8: return PA_SAMPLE_U8;
    case WaveSound::Format::S16: return PA_SAMPLE_S16LE;
    case WaveSound::Format::S24: return PA_SAMPLE_S24LE;
    case WaveSound::Format::S32: return PA_SAMPLE_S32LE;
    case WaveSound::Format::Float32: return PA_SAMPLE_FLOAT32LE;
  }
  return PA_SAMPLE_INVALID;
}

// One effect on its way to the server: the file's bytes, fed as the server
// asks for them. The server thread touches it only under the loop's lock.
struct Playing {
  std::string file;
  std::string_view samples;
  pa_stream* stream = nullptr;
};

void wakeUp(pa_threaded_mainloop* loop) { pa_threaded_mainloop_signal(loop, 0); }

class PulsePlayer : public SoundPlayer {
 public:
  PulsePlayer(pa_threaded_mainloop* loop, pa_context* context) : loop_(loop), context_(context) {}

  ~PulsePlayer() override {
    pa_threaded_mainloop_lock(loop_);
    cut();
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    pa_threaded_mainloop_unlock(loop_);
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
  }

  void play(const QString& path) override {
    std::optional<std::string> file = readSoundFile(path.toStdString());
    pa_threaded_mainloop_lock(loop_);
    cut();
    if (file) start(std::move(*file));
    pa_threaded_mainloop_unlock(loop_);
  }

 private:
  // Silences the effect still playing: its stream goes, queued samples too.
  void cut() {
    if (!playing_) return;
    pa_stream_set_write_callback(playing_->stream, nullptr, nullptr);
    pa_stream_disconnect(playing_->stream);
    pa_stream_unref(playing_->stream);
    delete std::exchange(playing_, nullptr);
  }

  void start(std::string file) {
    auto* p = new Playing{std::move(file), {}, nullptr};
    const std::optional<WaveSound> wave = readWave(p->file);
    pa_sample_spec sampleFormat{};
    if (wave) sampleFormat = {serverFormat(wave->format), wave->rate, uint8_t(wave->channels)};
    if (!wave || wave->samples.empty() || !pa_sample_spec_valid(&sampleFormat) ||
        pa_context_get_state(context_) != PA_CONTEXT_READY ||
        !(p->stream = pa_stream_new(context_, "PENTARO", &sampleFormat, nullptr))) {
      delete p;
      return;
    }
    p->samples = wave->samples;
    playing_ = p;
    pa_cvolume volume;
    pa_cvolume_set(&volume, sampleFormat.channels, pa_sw_volume_from_linear(0.5));
    pa_stream_set_write_callback(p->stream, feed, this);
    if (pa_stream_connect_playback(p->stream, nullptr, nullptr, PA_STREAM_NOFLAGS, &volume,
                                   nullptr) < 0)
      cut();
  }

  // The server asks for more: hand it what is left, then let it play the
  // end even when that is less than it waits for before starting.
  static void feed(pa_stream* stream, size_t wanted, void* player) {
    Playing* p = static_cast<PulsePlayer*>(player)->playing_;
    const size_t n = std::min(wanted, p->samples.size());
    if (n > 0) pa_stream_write(stream, p->samples.data(), n, nullptr, 0, PA_SEEK_RELATIVE);
    p->samples.remove_prefix(n);
    if (p->samples.empty()) {
      pa_stream_set_write_callback(stream, nullptr, nullptr);
      pa_operation* drain = pa_stream_drain(stream, drained, player);
      if (drain) pa_operation_unref(drain);
    }
  }

  // Played out: the stream goes, so an idle game keeps no stream open on
  // the server (which would keep the sound card awake).
  static void drained(pa_stream* stream, int, void* player) {
    auto* self = static_cast<PulsePlayer*>(player);
    if (self->playing_ && self->playing_->stream == stream) self->cut();
  }

  pa_threaded_mainloop* loop_;
  pa_context* context_;
  Playing* playing_ = nullptr;
};

void contextChanged(pa_context*, void* loop) { wakeUp(static_cast<pa_threaded_mainloop*>(loop)); }

void timedOut(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* loop) {
  wakeUp(static_cast<pa_threaded_mainloop*>(loop));
}

}  // namespace

extern "C" Q_DECL_EXPORT SoundPlayer* pentaroSoundPlayer(QString* whyNot) {
  pa_threaded_mainloop* loop = pa_threaded_mainloop_new();
  pa_context* context = loop ? pa_context_new(pa_threaded_mainloop_get_api(loop), "PENTARO") : nullptr;
  if (!context) {
    if (loop) pa_threaded_mainloop_free(loop);
    *whyNot = "the sound library could not start";
    return nullptr;
  }
  pa_context_set_state_callback(context, contextChanged, loop);
  pa_threaded_mainloop_lock(loop);
  // A game never starts a sound server of its own.
  bool ready = pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0 &&
               pa_threaded_mainloop_start(loop) >= 0;
  const pa_usec_t until = pa_rtclock_now() + kConnectTimeout;
  pa_time_event* timeout = ready ? pa_context_rttime_new(context, until, timedOut, loop) : nullptr;
  while (ready) {
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_READY) break;
    if (!PA_CONTEXT_IS_GOOD(state) || pa_rtclock_now() >= until) ready = false;
    else pa_threaded_mainloop_wait(loop);
  }
  if (timeout) pa_threaded_mainloop_get_api(loop)->time_free(timeout);
  if (ready) {
    pa_threaded_mainloop_unlock(loop);
    return new PulsePlayer(loop, context);
  }
  *whyNot = QString("no sound server (is PulseAudio or PipeWire running?): %1")
                .arg(pa_strerror(pa_context_errno(context)));
  pa_context_disconnect(context);
  pa_context_unref(context);
  pa_threaded_mainloop_unlock(loop);
  pa_threaded_mainloop_stop(loop);
  pa_threaded_mainloop_free(loop);
  return nullptr;
}
