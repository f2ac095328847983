#pragma once

#include <cstdint>
#include <memory>

#include "model/MDirectoryVersion.h"
#include "ofx/CFidbClient.h"
#include "online/CFiItem.h"
#include "storage/CCVItemList.h"

class CCVProgress;

// The banks that offer online access, in name order, kept in "FiList.lst" and brought up to
// date from the institution directory: set the progress, then
//   CFidbClient().UpdateFiList(list.GetDirectoryVersion(), list)
//
// Stored form: the list file framing of CCVItemList with the records of CFiItem, then a
// trailer of 10 bytes, written and read also when the list is empty:
//   Reserved1         uint16  0
//   DirectoryVersion  uint32  directory version of the whole list, 0 = never fetched
//   Reserved2         uint32  0
// The records carry no deleted flag, so only the live banks are written: a bank the directory
// removed or replaced does not come back as a live one after a reload. A file that still holds
// such a replaced copy (a later record with the id of an earlier one) loads without it.
class CFiList : public CCVItemList,
                public CFidbClient::MUpdateFiListEventHandler,
                public MDirectoryVersion {
  public:
    static constexpr const char* kFileName = "FiList.lst";
    static constexpr std::size_t kTrailerSize = 10;

    CFiList();

    int Serialize(RecordArchive& ar) override;

    // The first live bank with this institution id, or null.
    CFiItem* FindById(std::uint32_t fiId) const;
    // The first live bank whose name equals the text exactly (case counts), or null.
    CFiItem* FindByName(const char* name) const;
    CFiItem* At(std::int64_t index) const { return static_cast<CFiItem*>(GetAt(index)); }

    std::uint32_t GetDirectoryVersion() const { return m_directoryVersion; }
    // The next update then fetches the whole directory.
    void ResetVersion() override;

    void SetProgress(CCVProgress* progress) { m_progress = progress; }

    // The directory's callbacks; all answer 0.
    bool OnProgress(std::uint32_t value) override;
    // A live bank with the id is flagged deleted; the new one is inserted in name order.
    int OnFiAdded(std::uint32_t id, const char* name) override;
    int OnFiChanged(std::uint32_t id, const char* name) override;
    int OnFiRemoved(std::uint32_t id) override;
    int OnFiListVersion(std::uint32_t version) override;

  protected:
    std::unique_ptr<CCVItem> NewRecord() const override { return std::make_unique<CFiItem>(); }

  private:
    int Replace(std::uint32_t id, const char* name);
    void DropReplacedCopies();

    std::uint16_t m_reserved1 = 0;
    std::uint32_t m_directoryVersion = 0;
    std::uint32_t m_reserved2 = 0;
    CCVProgress* m_progress = nullptr;
};
