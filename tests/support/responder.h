#pragma once
#include "platform/prompts.h"

#include <deque>
#include <vector>

namespace korvane::test {

// Answers every prompt without blocking and records what was asked. Queued replies are used
// in order; once they run out every prompt is answered OK with an empty text.
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

  private:
    std::deque<PromptReply> replies;
};

} // namespace korvane::test
