#pragma once
// The message boxes of the windowed program.

#include "Messages.h"

class QtMessageSink : public MessageSink {
public:
    bool show(MessageKind kind, const QString& caption, const QString& text) override;
};
