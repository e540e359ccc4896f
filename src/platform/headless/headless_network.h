#pragma once
// The network in memory: a web server whose files, ETags and failures the test sets, and work
// "off the window thread" that finishes when the test lets time pass, so that program tests
// need no server and run the same way every time.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/ui/services.h"

namespace orvel::headless {

class HeadlessHttp : public ui::Http {
 public:
  // A served file: 200 with its body and ETag, or 304 to a request that names its ETag. A body
  // over the request's limit fails as the real client does. Unknown addresses answer 404.
  ui::HttpAnswer Get(const ui::HttpRequest& request) override;

  void Serve(const std::string& url, std::string body, std::string etag);
  // Every request of `url` fails with `failure` (as an unreachable server, or the status
  // `status` of a server's answer) until it is served again.
  void Fail(const std::string& url, ui::HttpFailure failure, int status = 0);
  void Remove(const std::string& url);
  // The Date header every answer carries from now on; empty: none.
  void SetDate(std::string date) { date_ = std::move(date); }

  const std::vector<ui::HttpRequest>& Requests() const { return requests_; }
  // What each request got, in order.
  const std::vector<ui::HttpOutcome>& Outcomes() const { return outcomes_; }

 private:
  struct Served {
    std::string body, etag;
    ui::HttpFailure failure = ui::HttpFailure::None;
    int status = 0;
  };
  std::map<std::string, Served> files_;
  std::string date_;
  std::vector<ui::HttpRequest> requests_;
  std::vector<ui::HttpOutcome> outcomes_;
};

class HeadlessBackground : public ui::Background {
 public:
  HeadlessBackground(HeadlessHttp& http, ui::TimeQueries& time) : http_(http), time_(time) {}
  void Run(std::function<void(ui::Http& http)> work, std::function<void()> done) override;
  void RunTimed(std::function<void(ui::Http&, ui::TimeQueries&)> work,
                std::function<void()> done) override;
  // Finishes the work started so far, in order: each one's work, then its done. Work that a done
  // starts waits for the next call.
  void Finish();
  std::size_t Pending() const { return pending_.size(); }

 private:
  struct Job {
    std::function<void(ui::Http&, ui::TimeQueries&)> work;
    std::function<void()> done;
  };
  HeadlessHttp& http_;
  ui::TimeQueries& time_;
  std::vector<Job> pending_;
};

}  // namespace orvel::headless
