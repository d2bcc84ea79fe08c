#include "app/SessionRecord.h"

#include "linkgroups/LinkGroupStore.h"
#include "platform/registry/RegKey.h"
#include "platform/registry/RegTransaction.h"
#include "platform/registry/Registry.h"

#include <algorithm>

using platform::RegError;
using platform::RegKey;

namespace {

constexpr RegError kOk = platform::ERROR_SUCCESS;

// Keeps the first failure of a series of writes.
class FirstError {
public:
    void operator<<(RegError error) {
        if (first_ == kOk)
            first_ = error;
    }
    RegError get() const { return first_; }

private:
    RegError first_ = kOk;
};

QString linkKeyName(qsizetype index) {
    return QStringLiteral("Link%1").arg(index);
}

QString withBlanks(QString text) {
    return text.replace(QStringLiteral("%20"), QStringLiteral(" "));
}

} // namespace

SessionRecord::SessionRecord(QString keyPath, platform::Registry* registry)
    : keyPath_(std::move(keyPath)), registry_(registry) {}

LinkGroup SessionRecord::MakeGroup(const std::vector<SessionWindow>& windows) {
    LinkGroup group;
    group.Name = QStringLiteral("Session");
    group.Links.reserve(static_cast<qsizetype>(windows.size()));
    for (const SessionWindow& window : windows) {
        LinkGroupLink link{withBlanks(window.title), withBlanks(window.address)};
        if (link.Name.isEmpty())
            link.Name = link.URL;
        group.Links.append(std::move(link));
    }
    return group;
}

void SessionRecord::Invalidate() {
    keyId_ = 0;
    last_ = LinkGroup();
    foreign_.clear();
}

void SessionRecord::NoteForeignValue(const QString& name) {
    if (keyId_ != 0 && !foreign_.contains(name, Qt::CaseInsensitive))
        foreign_ << name;
}

std::int64_t SessionRecord::currentKeyId() const {
    return RegKey::open(platform::RegRoot::CurrentUser, keyPath_, nullptr, registry_).id();
}

RegError SessionRecord::Write(const LinkGroup& group) {
    // Unchanged, and the key is still the one written: nothing to do.
    if (keyId_ != 0 && foreign_.isEmpty() && group == last_ && currentKeyId() == keyId_)
        return kOk;
    // Inside an enclosing transaction the outcome is known only when that
    // one ends: the record then trusts nothing it wrote.
    platform::Registry& registry = registry_ ? *registry_ : platform::Registry::instance();
    const bool enclosed = registry.inTransaction();
    platform::RegTransaction tx(registry_);
    RegError error = tx.beginError();
    bool whole = keyId_ == 0 || group.Separator != 0 || last_.Separator != 0 ||
                 currentKeyId() != keyId_;
    // A partial write that meets anything unexpected (a link key gone, a
    // value refused) becomes a whole one in the same transaction: the whole
    // rewrite replaces whatever the partial one changed.
    if (error == kOk && !whole && writeChanges(group) != kOk)
        whole = true;
    if (error == kOk && whole)
        error = writeWhole(group);
    // Without a commit the transaction rolls back (and dooms an enclosing
    // one): a failed write changes nothing.
    if (error == kOk)
        error = tx.commit();
    if (error != kOk) {
        Invalidate();
        return error;
    }
    last_ = group;
    foreign_.clear();
    if (whole)
        keyId_ = currentKeyId();
    if (enclosed)
        Invalidate();
    ++writes_;
    return kOk;
}

RegError SessionRecord::writeWhole(const LinkGroup& group) {
    return WriteLinkGroup(keyPath_, group, registry_);
}

// Inside the caller's transaction: only what differs from the last write.
RegError SessionRecord::writeChanges(const LinkGroup& group) {
    const RegKey key = RegKey::open(platform::RegRoot::CurrentUser, keyPath_, nullptr, registry_);
    FirstError error;
    for (const QString& name : foreign_) {
        const RegError removed = key.deleteValue(name);
        if (removed != platform::ERROR_FILE_NOT_FOUND)
            error << removed;
    }
    if (group.Name != last_.Name)
        error << key.setString(QStringLiteral("Name"), group.Name);
    if (group.Startup != last_.Startup)
        error << key.setDword(QStringLiteral("Startup"), group.Startup);
    const qsizetype kept = std::min(group.Links.size(), last_.Links.size());
    for (qsizetype i = 0; i < kept; ++i) {
        const LinkGroupLink& now = group.Links[i];
        const LinkGroupLink& before = last_.Links[i];
        if (now == before)
            continue;
        RegError opened = kOk;
        const RegKey link = key.openSubkey(linkKeyName(i), &opened);
        if (!link)
            return opened;
        if (now.Name != before.Name)
            error << link.setString(QStringLiteral("Name"), now.Name);
        if (now.URL != before.URL)
            error << link.setString(QStringLiteral("URL"), now.URL);
    }
    for (qsizetype i = kept; i < group.Links.size(); ++i) {
        RegError created = kOk;
        const RegKey link = key.createSubkey(linkKeyName(i), &created);
        if (!link)
            return created;
        error << link.setString(QStringLiteral("Name"), group.Links[i].Name);
        error << link.setString(QStringLiteral("URL"), group.Links[i].URL);
    }
    for (qsizetype i = group.Links.size(); i < last_.Links.size(); ++i)
        error << key.deleteSubtree(linkKeyName(i));
    return error.get();
}
