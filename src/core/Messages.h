#pragma once
// The five message boxes through which the whole program talks to the user.
// They go to one replaceable sink: the windowed program installs one that shows
// QMessageBox; tests install a RecordingSink with scripted answers.

#include <QString>
#include <QStringList>
#include <QVector>

enum class MessageKind { Warning, Error, Info, Confirm, ConfirmDanger };

struct MessageRecord {
    MessageKind kind;
    QString caption;
    QString text;
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Shows the box; for the two confirmations returns true on "Yes".
    virtual bool show(MessageKind kind, const QString& caption, const QString& text) = 0;
};

// Installs the sink (not owned); nullptr restores the default, which writes the
// message to stderr and answers "No".
void SetMessageSink(MessageSink* sink);
MessageSink* CurrentMessageSink();

// Caption of each kind: "Uwaga", "Błąd", "Informacja", "Potwierdzenie".
QString MessageCaption(MessageKind kind);

void ShowWarning(const QString& message);
void ShowError(const QString& message);
void ShowInfo(const QString& message);
bool Confirm(const QString& message);
bool ConfirmDanger(const QString& message);

// Records every box; confirmations take the next scripted answer (default: `defaultAnswer`).
// Installs itself on construction and restores the previous sink on destruction.
class RecordingSink : public MessageSink {
public:
    explicit RecordingSink(bool defaultAnswer = false);
    ~RecordingSink() override;
    bool show(MessageKind kind, const QString& caption, const QString& text) override;

    void answerNext(bool yes) { answers_.push_back(yes); }
    const QVector<MessageRecord>& records() const { return records_; }
    QStringList texts() const;
    int count() const { return int(records_.size()); }
    void clear() { records_.clear(); }

private:
    MessageSink* previous_;
    bool defaultAnswer_;
    QVector<bool> answers_;
    QVector<MessageRecord> records_;
};
