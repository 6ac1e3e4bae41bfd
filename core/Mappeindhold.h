#pragma once

#include "Platform.h"

#include <cstdint>
#include <string>
#include <vector>

// The visible folders and files of one folder listing, put in the order the
// user's locale gives names, case ignored. The file box shows the folders first.
// Names stay as the file system's bytes until they are shown: read in sorted
// order they are then made in that order, which a list of many thousand
// rows reads much faster.
class Mappeindhold
{
public:
    // Hidden entries and those that are neither folder nor file are left out.
    explicit Mappeindhold(std::vector<Platform::FolderEntry> entries);

    std::size_t antal() const { return m_mapper.size() + m_filer.size(); }
    const std::vector<std::string>& mapper() const { return m_mapper; }
    const std::vector<std::string>& filer() const { return m_filer; }
    // Hands the names over, leaving none.
    std::vector<std::string> tagMapper() { return std::move(m_mapper); }
    std::vector<std::string> tagFiler() { return std::move(m_filer); }

    // Orders the first `antal` entries, folders before files, and leaves the
    // rest in no order: in a folder of many thousand entries that is done long
    // before the whole is ordered, so a list can show its first rows at once.
    void ordnFoerste(std::size_t antal);
    void ordnAlle();
    // The places of the names in the order the list shows them.
    static std::vector<std::uint32_t> orden(const std::vector<std::string>& navne);
    // The recycle bin's items as the list shows them: folders first, by name.
    static void ordn(std::vector<Platform::TrashItem>& items);
    // The name an item is shown by: its original's, else its name in the bin.
    static std::string navnAf(const Platform::TrashItem& item);

private:
    std::vector<std::string> m_mapper;
    std::vector<std::string> m_filer;
};
