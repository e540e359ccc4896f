// Speech through SAPI 5 on a thread of its own. COM, the voice and the lookup of a Chinese voice
// live on that thread; nothing of them touches the window thread, which only queues requests and
// hears answers through its mailbox. SAPI comes in through COM, so a system without it (or with
// its classes unregistered) only answers that there is no voice.
#include <windows.h>

#include <objbase.h>
#include <sapi.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

#include "platform/voice_language.h"
#include "platform/win32/failure_report.h"
#include "platform/win32/services_win.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {
namespace {

// The system's published identifiers, here rather than from libuuid.
constexpr CLSID kClsidSpVoice = {
    0x96749377, 0x3391, 0x11D2, {0x9E, 0xE3, 0x00, 0xC0, 0x4F, 0x79, 0x73, 0x96}};
constexpr IID kIidSpVoice = {
    0x6C44DF74, 0x72B9, 0x4992, {0xA1, 0xEC, 0xEF, 0x99, 0x6E, 0x04, 0x22, 0xD4}};
constexpr CLSID kClsidSpObjectTokenCategory = {
    0xA910187F, 0x0C7A, 0x45AC, {0x92, 0xCC, 0x59, 0xED, 0xAF, 0xB7, 0x7B, 0x53}};
constexpr IID kIidSpObjectTokenCategory = {
    0x2D3D3845, 0x39AF, 0x4850, {0xBB, 0xF9, 0x40, 0xB4, 0x97, 0x80, 0x01, 0x1D}};

// SAPI's own voices first, then the voices of the speech platform of Windows 10 and later, which
// SAPI drives as well; older systems lack that key and so the second category. Both are voices
// on the PC: no cloud voice is ever asked for.
constexpr const wchar_t* kVoiceCategories[] = {
    L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Voices",
    L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech_OneCore\\Voices"};
// A category lists a few voices; more than this is a broken registry.
constexpr ULONG kMaxVoicesLooked = 256;
// Reminders come minutes apart: texts beyond these wait behind a voice that hangs, and the oldest
// is dropped.
constexpr std::size_t kMaxWaitingTexts = 4;
constexpr std::size_t kMaxWaitingLookups = 4;
// How often a voice that speaks looks whether the program is ending.
constexpr DWORD kSpeakingPollMs = 100;
// How long the program's end waits for the thread to let go of the voice.
constexpr DWORD kStopWaitMs = 2000;

class ComApartment {
 public:
  ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {}
  ~ComApartment() {
    if (initialised_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  bool ready() const { return initialised_; }

 private:
  bool initialised_;
};

bool IsChineseVoice(ISpObjectToken& token) {
  ComPtr<ISpDataKey> attributes;
  if (FAILED(token.OpenKey(L"Attributes", attributes.put())) || !attributes) return false;
  CoTaskText language;
  if (FAILED(attributes->GetStringValue(L"Language", language.put())) || !language.get())
    return false;
  return ListsChineseLanguage(Narrow(language.get()));
}

ComPtr<ISpObjectToken> FindChineseToken() {
  for (const wchar_t* id : kVoiceCategories) {
    ComPtr<ISpObjectTokenCategory> category;
    if (FAILED(CoCreateInstance(kClsidSpObjectTokenCategory, nullptr, CLSCTX_INPROC_SERVER,
                                kIidSpObjectTokenCategory,
                                reinterpret_cast<void**>(category.put()))) ||
        !category)
      return {};  // no speech component at all
    if (FAILED(category->SetId(id, FALSE))) continue;
    ComPtr<IEnumSpObjectTokens> tokens;
    if (FAILED(category->EnumTokens(nullptr, nullptr, tokens.put())) || !tokens) continue;
    for (ULONG looked = 0; looked < kMaxVoicesLooked; ++looked) {
      ComPtr<ISpObjectToken> token;
      ULONG fetched = 0;
      if (tokens->Next(1, token.put(), &fetched) != S_OK || fetched != 1 || !token) break;
      if (IsChineseVoice(*token.get())) return token;
    }
  }
  return {};
}

// The voice, set to a Chinese one; empty when there is none.
ComPtr<ISpVoice> ChineseVoice() {
  ComPtr<ISpObjectToken> token = FindChineseToken();
  if (!token) return {};
  ComPtr<ISpVoice> voice;
  if (FAILED(CoCreateInstance(kClsidSpVoice, nullptr, CLSCTX_INPROC_SERVER, kIidSpVoice,
                              reinterpret_cast<void**>(voice.put()))) ||
      !voice || FAILED(voice->SetVoice(token.get())))
    return {};
  return voice;
}

}  // namespace

struct Win32Speech::Worker {
  std::mutex lock;
  std::condition_variable wake;
  // Set once the thread has let go of COM. An event rather than a timed wait on a condition,
  // whose clock brings in winpthreads' time functions.
  KernelHandle ended{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  std::deque<std::function<void(bool)>> lookups;
  std::deque<std::wstring> texts;
  bool stopping = false;
  std::shared_ptr<Mailbox> mailbox;

  void Run() noexcept {
    try {
      Serve();
    } catch (...) {
      ReportSwallowedFailure("speech");
    }
    if (ended) SetEvent(ended.get());
  }

 private:
  void Serve() {
    const ComApartment com;
    ComPtr<ISpVoice> voice;
    bool lookedUp = false;
    for (;;) {
      std::function<void(bool)> answer;
      std::wstring text;
      {
        std::unique_lock<std::mutex> hold(lock);
        wake.wait(hold, [this] { return stopping || !lookups.empty() || !texts.empty(); });
        if (stopping) return;
        if (!lookups.empty()) {
          answer = std::move(lookups.front());
          lookups.pop_front();
        } else {
          text = std::move(texts.front());
          texts.pop_front();
        }
      }
      // Looked up again on request, so that a voice installed since is found.
      if (com.ready() && (!lookedUp || (answer && !voice))) {
        voice = ChineseVoice();
        lookedUp = true;
      }
      if (answer) {
        mailbox->Post([answer = std::move(answer), found = static_cast<bool>(voice)] {
          if (answer) answer(found);
        });
        continue;
      }
      if (voice) Say(*voice.get(), text);
    }
  }

  // Speaks asynchronously and waits here, so that the end of the program can cut it short.
  void Say(ISpVoice& voice, const std::wstring& text) {
    if (FAILED(voice.Speak(text.c_str(), SPF_ASYNC | SPF_IS_NOT_XML, nullptr))) return;
    while (voice.WaitUntilDone(kSpeakingPollMs) == S_FALSE) {
      const std::lock_guard<std::mutex> hold(lock);
      if (stopping) {
        voice.Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
        return;
      }
    }
  }
};

Win32Speech::Win32Speech() = default;

Win32Speech::~Win32Speech() {
  if (!worker_) return;
  {
    const std::lock_guard<std::mutex> hold(worker_->lock);
    worker_->stopping = true;
  }
  worker_->wake.notify_all();
  // A thread still held by a voice that hangs is left to the end of the process.
  if (worker_->ended) WaitForSingleObject(worker_->ended.get(), kStopWaitMs);
}

bool Win32Speech::EnsureWorker() {
  if (worker_) return true;
  if (!mailbox_) mailbox_ = std::make_unique<MailboxWindow>();
  auto worker = std::make_shared<Worker>();
  worker->mailbox = mailbox_->mailbox();
  try {
    std::thread([worker] { worker->Run(); }).detach();
  } catch (...) {
    ReportSwallowedFailure("starting speech");
    return false;
  }
  worker_ = std::move(worker);
  return true;
}

void Win32Speech::FindChineseVoice(std::function<void(bool found)> answer) {
  if (!EnsureWorker()) {
    mailbox_->mailbox()->Post([answer = std::move(answer)] {
      if (answer) answer(false);
    });
    return;
  }
  {
    const std::lock_guard<std::mutex> hold(worker_->lock);
    if (worker_->lookups.size() >= kMaxWaitingLookups) return;
    worker_->lookups.push_back(std::move(answer));
  }
  worker_->wake.notify_one();
}

void Win32Speech::Speak(const std::string& text) {
  if (text.empty() || !EnsureWorker()) return;
  {
    const std::lock_guard<std::mutex> hold(worker_->lock);
    if (worker_->texts.size() >= kMaxWaitingTexts) worker_->texts.pop_front();
    worker_->texts.push_back(Widen(text));
  }
  worker_->wake.notify_one();
}

}  // namespace orvel::win32
