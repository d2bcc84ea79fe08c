#pragma once

#include "linkgroups/LinkGroup.h"
#include "platform/registry/RegTypes.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace platform {
class Registry;
}

// One open browser window as the session keeps it.
struct SessionWindow {
    QString title;
    QString address;
};

// The record of this process's open windows in the registry: one link group
// named "Session" (the link-group layout: "Name", "Startup", "Separator",
// Link0, Link1, ... each with "Name" and "URL") in the process's session key.
//
// The record is rewritten on every title change and navigation, so Write
// keeps it cheap: it remembers what it wrote last and changes only the values
// and link keys that differ, all inside one registry transaction, so that a
// crash at any instant leaves the previous record or the new one. The first
// write, and any write after Invalidate() or after the key was deleted or
// replaced by someone else, rewrites the key whole. Either way a write leaves
// no other value in the key ("NormalExit" included: absent counts as "not
// ended normally").
//
// Used on one thread; the registry must outlive the record.
class SessionRecord {
public:
    // keyPath is below the current user's root; registry null means the
    // process's own registry.
    explicit SessionRecord(QString keyPath, platform::Registry* registry = nullptr);

    // The session group of windows in their order: "%20" becomes a blank in
    // titles and addresses; a window without a title is named by its address
    // (a link without a name would not load back).
    static LinkGroup MakeGroup(const std::vector<SessionWindow>& windows);

    // Makes the stored record equal group. Nothing is written when it already
    // is. On failure nothing changes in the registry and the next write is a
    // whole one; so is the next write after one made inside an enclosing
    // transaction (which may still roll back). Returns ERROR_SUCCESS or the
    // first error.
    platform::RegError Write(const LinkGroup& group);
    // Forgets what was written; the next Write rewrites the key whole.
    void Invalidate();
    // Value name was written into the key beside the record (the exit mark):
    // the next Write removes it, in the same transaction as its changes.
    void NoteForeignValue(const QString& name);

    const QString& keyPath() const { return keyPath_; }
    // Transactions committed so far (whole and partial writes).
    int writeCount() const { return writes_; }
    // Whether the record has been written by this object (and not
    // invalidated since).
    bool written() const { return keyId_ != 0; }

private:
    platform::RegError writeWhole(const LinkGroup& group);
    platform::RegError writeChanges(const LinkGroup& group);
    std::int64_t currentKeyId() const;

    QString keyPath_;
    platform::Registry* registry_;
    // What the key holds since the last successful write; keyId_ 0 when
    // unknown.
    LinkGroup last_;
    std::int64_t keyId_ = 0;
    QStringList foreign_;
    int writes_ = 0;
};
