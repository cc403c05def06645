#include "Messages.h"

#include <cstdio>

namespace {

class StderrSink : public MessageSink {
public:
    bool show(MessageKind, const QString& caption, const QString& text) override
    {
        std::fprintf(stderr, "[%s] %s\n", qPrintable(caption), qPrintable(text));
        return false;
    }
};

StderrSink g_stderrSink;
MessageSink* g_sink = &g_stderrSink;

bool showVia(MessageKind kind, const QString& text)
{
    return g_sink->show(kind, MessageCaption(kind), text);
}

}  // namespace

void SetMessageSink(MessageSink* sink)
{
    g_sink = sink ? sink : &g_stderrSink;
}

MessageSink* CurrentMessageSink()
{
    return g_sink;
}

QString MessageCaption(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning: return QStringLiteral("Uwaga");
    case MessageKind::Error: return QStringLiteral("Błąd");
    case MessageKind::Info: return QStringLiteral("Informacja");
    case MessageKind::Confirm:
    case MessageKind::ConfirmDanger: return QStringLiteral("Potwierdzenie");
    }
    return QString();
}

void ShowWarning(const QString& message) { showVia(MessageKind::Warning, message); }
void ShowError(const QString& message) { showVia(MessageKind::Error, message); }
void ShowInfo(const QString& message) { showVia(MessageKind::Info, message); }
bool Confirm(const QString& message) { return showVia(MessageKind::Confirm, message); }
bool ConfirmDanger(const QString& message) { return showVia(MessageKind::ConfirmDanger, message); }

RecordingSink::RecordingSink(bool defaultAnswer) : previous_(CurrentMessageSink()), defaultAnswer_(defaultAnswer)
{
    SetMessageSink(this);
}

RecordingSink::~RecordingSink()
{
    if (CurrentMessageSink() == this) SetMessageSink(previous_);
}

bool RecordingSink::show(MessageKind kind, const QString& caption, const QString& text)
{
    records_.push_back({kind, caption, text});
    if (kind != MessageKind::Confirm && kind != MessageKind::ConfirmDanger) return false;
    if (answers_.isEmpty()) return defaultAnswer_;
    return answers_.takeFirst();
}

QStringList RecordingSink::texts() const
{
    QStringList out;
    for (const auto& r : records_) out << r.text;
    return out;
}
