#pragma once
#include "platform/prompts.h"

#include <deque>
#include <memory>
#include <vector>

class QObject;

namespace korvane::test {

// Answers every prompt without blocking and records what was asked. Queued replies are used
// in order; once they run out every prompt is answered OK with an empty text. It also ends the
// "Working invalid file" wait as soon as it opens (a user typing the skip code), so a bad line
// check costs no 101 seconds; a test that wants the wait itself sets keepinvalidwait.
class Responder {
  public:
    Responder();
    ~Responder();

    void answer(PromptReply reply) { replies.push_back(std::move(reply)); }
    void answerok(const QString &text = QString()) { answer({true, text}); }
    void answercancel() { answer({false, QString()}); }

    std::vector<PromptRequest> asked;
    // True when some prompt's text contains the fragment.
    bool wasasked(const QString &fragment) const;
    int count(PromptRequest::Kind kind) const;

    bool keepinvalidwait = false;
    int invalidwaits = 0; // invalid-file waits ended so far

  private:
    std::deque<PromptReply> replies;
    std::unique_ptr<QObject> waitcloser;
};

} // namespace korvane::test
