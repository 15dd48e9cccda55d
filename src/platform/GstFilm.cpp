#include "platform/GstFilm.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>

#include <QEventLoop>
#include <QTimer>
#include <cstring>
#include <deque>
#include <functional>
#include <mutex>

namespace tess {

namespace {

// playbin's flag for subtitles, which the course's films do not have.
constexpr guint kPlayFlagText = 1u << 2;

bool StartGstreamer(std::string* error) {
  static std::string failure;
  static const bool started = [] {
    GError* err = nullptr;
    const bool ok = gst_init_check(nullptr, nullptr, &err);
    if (!ok) failure = err != nullptr ? err->message : "GStreamer did not start";
    if (err != nullptr) g_error_free(err);
    return ok;
  }();
  if (!started && error != nullptr) *error = failure;
  return started;
}

}  // namespace

// What the streaming threads share with the user-interface thread. It lives as long as an
// event posted for it, so a late picture of a closed film finds it still there (and unused).
struct GstFilmShared {
  std::function<void()> postDrain;  // asks the user-interface thread to read the messages
  std::function<void()> postFrame;  // asks it to take the newest picture

  std::mutex lock;  // guards what follows
  // The bus's messages, taken off it as they are posted: a message queued on the bus after
  // a drain had looked would otherwise wait for the next one.
  std::deque<GstMessage*> messages;
  bool drainPosted = false;
  QImage frame;
  bool framePosted = false;
  GstFilm::Sound sound;
};

struct GstFilm::Pipeline {
  GstElement* playbin = nullptr;
  GstBus* bus = nullptr;
  std::shared_ptr<GstFilmShared> shared = std::make_shared<GstFilmShared>();
  std::int64_t lastPosition = 0;
  std::int64_t duration = -1;

  ~Pipeline() {
    if (playbin != nullptr) gst_element_set_state(playbin, GST_STATE_NULL);
    if (bus != nullptr) {
      gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
      gst_object_unref(bus);
    }
    if (playbin != nullptr) gst_object_unref(playbin);
    for (GstMessage* message : shared->messages) gst_message_unref(message);
  }
};

namespace {

GstBusSyncReply OnBusMessage(GstBus*, GstMessage* message, gpointer data) {
  auto* shared = static_cast<GstFilmShared*>(data);
  bool post = false;
  {
    const std::lock_guard guard(shared->lock);
    shared->messages.push_back(gst_message_ref(message));
    post = !shared->drainPosted;
    shared->drainPosted = true;
  }
  if (post) shared->postDrain();
  return GST_BUS_DROP;
}

// A picture from the video sink, copied out of GStreamer's buffer.
GstFlowReturn TakeFrame(GstSample* sample, GstFilmShared* shared) {
  if (sample == nullptr) return GST_FLOW_OK;
  GstCaps* caps = gst_sample_get_caps(sample);
  GstBuffer* buffer = gst_sample_get_buffer(sample);
  int width = 0, height = 0;
  if (caps != nullptr && buffer != nullptr) {
    const GstStructure* s = gst_caps_get_structure(caps, 0);
    gst_structure_get_int(s, "width", &width);
    gst_structure_get_int(s, "height", &height);
  }
  GstMapInfo map;
  if (width > 0 && height > 0 && gst_buffer_map(buffer, &map, GST_MAP_READ)) {
    // Four bytes a pixel: rows come without padding.
    const auto stride = static_cast<std::size_t>(width) * 4;
    if (map.size >= stride * static_cast<std::size_t>(height)) {
      QImage image(width, height, QImage::Format_RGB32);
      for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), map.data + stride * static_cast<std::size_t>(y), stride);
      bool post = false;
      {
        const std::lock_guard guard(shared->lock);
        shared->frame = std::move(image);
        post = !shared->framePosted;
        shared->framePosted = true;
      }
      if (post) shared->postFrame();
    }
    gst_buffer_unmap(buffer, &map);
  }
  gst_sample_unref(sample);
  return GST_FLOW_OK;
}

GstFlowReturn OnVideoPreroll(GstAppSink* sink, gpointer data) {
  return TakeFrame(gst_app_sink_pull_preroll(sink), static_cast<GstFilmShared*>(data));
}

GstFlowReturn OnVideoSample(GstAppSink* sink, gpointer data) {
  return TakeFrame(gst_app_sink_pull_sample(sink), static_cast<GstFilmShared*>(data));
}

GstFlowReturn OnSoundSample(GstAppSink* sink, gpointer data) {
  auto* shared = static_cast<GstFilmShared*>(data);
  GstSample* sample = gst_app_sink_pull_sample(sink);
  if (sample == nullptr) return GST_FLOW_OK;
  GstBuffer* buffer = gst_sample_get_buffer(sample);
  GstCaps* caps = gst_sample_get_caps(sample);
  GstMapInfo map;
  if (buffer != nullptr && caps != nullptr && gst_buffer_map(buffer, &map, GST_MAP_READ)) {
    const GstStructure* s = gst_caps_get_structure(caps, 0);
    int rate = 0, channels = 0;
    gst_structure_get_int(s, "rate", &rate);
    gst_structure_get_int(s, "channels", &channels);
    const auto* samples = reinterpret_cast<const std::int16_t*>(map.data);
    const std::lock_guard guard(shared->lock);
    shared->sound.rate = rate;
    shared->sound.channels = channels;
    shared->sound.samples.insert(shared->sound.samples.end(), samples,
                                 samples + map.size / sizeof(std::int16_t));
    gst_buffer_unmap(buffer, &map);
  }
  gst_sample_unref(sample);
  return GST_FLOW_OK;
}

GstElement* MakeVideoSink(GstFilmShared* shared) {
  GstElement* sink = gst_element_factory_make("appsink", nullptr);
  if (sink == nullptr) return nullptr;
  // BGRx in memory is QImage's RGB32; square pixels let the surface keep the proportion.
  GstCaps* caps = gst_caps_from_string("video/x-raw,format=BGRx,pixel-aspect-ratio=1/1");
  g_object_set(sink, "caps", caps, "enable-last-sample", FALSE, "max-buffers", 2u, nullptr);
  gst_caps_unref(caps);
  GstAppSinkCallbacks callbacks{};
  callbacks.new_preroll = OnVideoPreroll;
  callbacks.new_sample = OnVideoSample;
  gst_app_sink_set_callbacks(GST_APP_SINK(sink), &callbacks, shared, nullptr);
  return sink;
}

GstElement* MakeCaptureSink(GstFilmShared* shared) {
  GError* err = nullptr;
  GstElement* bin = gst_parse_bin_from_description(
      "audioconvert ! audio/x-raw,format=S16LE,layout=interleaved ! appsink name=capture", TRUE,
      &err);
  if (err != nullptr) g_error_free(err);
  if (bin == nullptr) return nullptr;
  GstElement* sink = gst_bin_get_by_name(GST_BIN(bin), "capture");
  g_object_set(sink, "enable-last-sample", FALSE, nullptr);
  GstAppSinkCallbacks callbacks{};
  callbacks.new_sample = OnSoundSample;
  gst_app_sink_set_callbacks(GST_APP_SINK(sink), &callbacks, shared, nullptr);
  gst_object_unref(sink);
  return bin;
}

GstElement* MakeSoundSink(const std::string& device) {
  GstElement* sink = gst_element_factory_make("pulsesink", nullptr);
  if (sink == nullptr) return gst_element_factory_make("autoaudiosink", nullptr);
  if (!device.empty()) g_object_set(sink, "device", device.c_str(), nullptr);
  return sink;
}

}  // namespace

GstFilm::GstFilm(QObject* parent) : QObject(parent) {}

GstFilm::~GstFilm() { Close(); }

bool GstFilm::IsOpen() const { return pipeline_ != nullptr; }

bool GstFilm::Open(const std::string& path, const Output& output, int timeoutMs,
                   std::string* error) {
  Close();
  std::string failure;
  if (!StartGstreamer(&failure)) {
    if (error != nullptr) *error = failure;
    return false;
  }
  prerolled_ = false;
  failed_ = false;
  error_.clear();
  rate_ = 1.0;
  seekTarget_ = -1;
  originMs_ = 0;

  auto pipeline = std::make_unique<Pipeline>();
  pipeline->playbin = gst_element_factory_make("playbin", nullptr);
  if (pipeline->playbin == nullptr) {
    if (error != nullptr) *error = "GStreamer's playbin is not installed";
    return false;
  }
  gst_object_ref_sink(pipeline->playbin);
  const std::weak_ptr<GstFilmShared> weak = pipeline->shared;
  GstFilmShared* shared = pipeline->shared.get();
  shared->postDrain = [this, weak] {
    QMetaObject::invokeMethod(
        this,
        [this, weak] {
          const auto alive = weak.lock();
          if (alive && pipeline_ && pipeline_->shared == alive) DrainBus();
        },
        Qt::QueuedConnection);
  };
  shared->postFrame = [this, weak] {
    QMetaObject::invokeMethod(
        this,
        [this, weak] {
          const auto alive = weak.lock();
          if (!alive) return;
          QImage image;
          {
            const std::lock_guard guard(alive->lock);
            image = std::move(alive->frame);
            alive->frame = QImage();
            alive->framePosted = false;
          }
          if (pipeline_ && pipeline_->shared == alive && !image.isNull()) Q_EMIT Frame(image);
        },
        Qt::QueuedConnection);
  };

  GError* err = nullptr;
  gchar* uri = gst_filename_to_uri(path.c_str(), &err);
  if (uri == nullptr) {
    if (error != nullptr) *error = err != nullptr ? err->message : path;
    if (err != nullptr) g_error_free(err);
    return false;
  }
  guint flags = 0;
  g_object_get(pipeline->playbin, "flags", &flags, nullptr);
  GstElement* videoSink = MakeVideoSink(shared);
  GstElement* soundSink = output.capture ? MakeCaptureSink(shared) : MakeSoundSink(output.device);
  // Without scaletempo a slower film would sound lower; it still plays.
  GstElement* tempo = gst_element_factory_make("scaletempo", nullptr);
  g_object_set(pipeline->playbin, "uri", uri, "flags", flags & ~kPlayFlagText, nullptr);
  if (videoSink != nullptr) g_object_set(pipeline->playbin, "video-sink", videoSink, nullptr);
  if (soundSink != nullptr) g_object_set(pipeline->playbin, "audio-sink", soundSink, nullptr);
  if (tempo != nullptr) g_object_set(pipeline->playbin, "audio-filter", tempo, nullptr);
  g_free(uri);

  pipeline->bus = gst_element_get_bus(pipeline->playbin);
  gst_bus_set_sync_handler(pipeline->bus, OnBusMessage, shared, nullptr);
  pipeline_ = std::move(pipeline);

  if (gst_element_set_state(pipeline_->playbin, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE) {
    DrainBus();
    failed_ = true;
  }
  if (!prerolled_ && !failed_) {
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &GstFilm::Settled, &loop, &QEventLoop::quit);
    timeout.start(timeoutMs);
    loop.exec();
  }
  if (!prerolled_ || failed_) {
    if (error != nullptr) *error = error_;
    Close();
    return false;
  }
  gint64 origin = 0;
  if (gst_element_query_position(pipeline_->playbin, GST_FORMAT_TIME, &origin) && origin > 0)
    originMs_ = origin / static_cast<gint64>(GST_MSECOND);
  return true;
}

void GstFilm::Close() {
  pipeline_.reset();
  seekTarget_ = -1;
}

void GstFilm::DrainBus() {
  if (!pipeline_) return;
  Pipeline* current = pipeline_.get();
  const std::shared_ptr<GstFilmShared> shared = current->shared;
  // A handler may close the film; the loop stops reading its messages then.
  while (pipeline_ && pipeline_->shared == shared) {
    GstMessage* message = nullptr;
    {
      const std::lock_guard guard(shared->lock);
      if (shared->messages.empty()) {
        shared->drainPosted = false;
        break;
      }
      message = shared->messages.front();
      shared->messages.pop_front();
    }
    switch (GST_MESSAGE_TYPE(message)) {
      case GST_MESSAGE_ERROR: {
        GError* err = nullptr;
        gst_message_parse_error(message, &err, nullptr);
        const QString text = QString::fromUtf8(err != nullptr ? err->message : "");
        if (err != nullptr) g_error_free(err);
        if (!failed_) {
          failed_ = true;
          error_ = text.toStdString();
          if (!prerolled_) Q_EMIT Settled();
          Q_EMIT Failed(text);
        }
        break;
      }
      case GST_MESSAGE_EOS:
        Q_EMIT Ended();
        break;
      case GST_MESSAGE_ASYNC_DONE:
        if (GST_MESSAGE_SRC(message) == GST_OBJECT(current->playbin)) {
          seekTarget_ = -1;
          if (!prerolled_) {
            prerolled_ = true;
            Q_EMIT Settled();
          }
        }
        break;
      case GST_MESSAGE_DURATION_CHANGED:
        current->duration = -1;
        break;
      default:
        break;
    }
    gst_message_unref(message);
  }
}

void GstFilm::SeekTo(std::int64_t ms, double rate) {
  if (!pipeline_) return;
  // Flushing and accurate: the sound at the new rate starts at once, from the very place.
  const auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
  if (gst_element_seek(pipeline_->playbin, rate, GST_FORMAT_TIME, flags, GST_SEEK_TYPE_SET,
                       static_cast<gint64>(originMs_ + ms) * GST_MSECOND, GST_SEEK_TYPE_NONE,
                       GST_CLOCK_TIME_NONE)) {
    rate_ = rate;
    seekTarget_ = ms;
    pipeline_->lastPosition = ms;
  }
}

void GstFilm::Play(double rate) {
  if (!pipeline_ || failed_) return;
  if (rate != rate_) SeekTo(PositionMs(), rate);
  gst_element_set_state(pipeline_->playbin, GST_STATE_PLAYING);
}

void GstFilm::Pause() {
  if (!pipeline_) return;
  gst_element_set_state(pipeline_->playbin, GST_STATE_PAUSED);
}

void GstFilm::Seek(std::int64_t ms, double rate) {
  if (!pipeline_) return;
  gst_element_set_state(pipeline_->playbin, GST_STATE_PAUSED);
  SeekTo(ms, rate);
}

void GstFilm::SetRate(double rate) {
  if (!pipeline_ || rate == rate_) return;
  SeekTo(PositionMs(), rate);
}

std::int64_t GstFilm::PositionMs() const {
  if (!pipeline_) return 0;
  if (seekTarget_ >= 0) return seekTarget_;
  gint64 position = 0;
  if (gst_element_query_position(pipeline_->playbin, GST_FORMAT_TIME, &position) && position >= 0)
    pipeline_->lastPosition =
        std::max<std::int64_t>(0, position / static_cast<gint64>(GST_MSECOND) - originMs_);
  return pipeline_->lastPosition;
}

std::int64_t GstFilm::DurationMs() const {
  if (!pipeline_) return 0;
  if (pipeline_->duration < 0) {
    gint64 duration = 0;
    if (gst_element_query_duration(pipeline_->playbin, GST_FORMAT_TIME, &duration) && duration >= 0)
      pipeline_->duration = duration / static_cast<gint64>(GST_MSECOND);
  }
  return std::max<std::int64_t>(0, pipeline_->duration);
}

GstFilm::Sound GstFilm::CapturedSound() const {
  if (!pipeline_) return {};
  const std::lock_guard guard(pipeline_->shared->lock);
  return pipeline_->shared->sound;
}

}  // namespace tess
