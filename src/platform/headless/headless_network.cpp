#include "platform/headless/headless_network.h"

#include <utility>

namespace orvel::headless {

ui::HttpAnswer HeadlessHttp::Get(const ui::HttpRequest& request) {
  requests_.push_back(request);
  ui::HttpAnswer answer;
  answer.date = date_;
  const auto it = files_.find(request.url);
  if (it == files_.end()) {
    answer.outcome = ui::HttpOutcome::Missing;
    answer.status = 404;
  } else if (it->second.failure != ui::HttpFailure::None) {
    answer.failure = it->second.failure;
    answer.status = it->second.status;
  } else if (!request.etag.empty() && request.etag == it->second.etag) {
    answer.outcome = ui::HttpOutcome::Unchanged;
    answer.status = 304;
  } else if (request.headOnly) {
    answer.outcome = ui::HttpOutcome::Fetched;
    answer.status = 200;
  } else if (it->second.body.size() > request.maxBodyBytes) {
    answer.failure = ui::HttpFailure::TooLarge;
    answer.status = 200;
  } else {
    answer.outcome = ui::HttpOutcome::Fetched;
    answer.status = 200;
    answer.body = it->second.body;
    answer.etag = it->second.etag;
  }
  outcomes_.push_back(answer.outcome);
  return answer;
}

void HeadlessHttp::Serve(const std::string& url, std::string body, std::string etag) {
  files_[url] = Served{std::move(body), std::move(etag)};
}

void HeadlessHttp::Fail(const std::string& url, ui::HttpFailure failure, int status) {
  files_[url].failure = failure;
  files_[url].status = status;
}

void HeadlessHttp::Remove(const std::string& url) {
  files_.erase(url);
}

void HeadlessBackground::Run(std::function<void(ui::Http&)> work, std::function<void()> done) {
  RunTimed(
      [work = std::move(work)](ui::Http& http, ui::TimeQueries&) {
        if (work) work(http);
      },
      std::move(done));
}

void HeadlessBackground::RunTimed(std::function<void(ui::Http&, ui::TimeQueries&)> work,
                                  std::function<void()> done) {
  pending_.push_back(Job{std::move(work), std::move(done)});
}

void HeadlessBackground::Finish() {
  // Nothing is allocated while nothing waits: time passes on every clock tick.
  if (pending_.empty()) return;
  std::vector<Job> now;
  now.swap(pending_);
  for (Job& job : now) {
    if (job.work) job.work(http_, time_);
    if (job.done) job.done();
  }
}

}  // namespace orvel::headless
