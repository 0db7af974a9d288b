// Reads the shipped launcher.exe and checks what the player's Windows sees of it before it runs:
// a 32-bit GUI program, importing only Windows' own libraries (so it starts without a compiler
// runtime beside it), with one icon group of a 128x128 and a 32x32 image at 32 bits per pixel, a
// manifest that asks for no elevation, and no version resource.
//
// Usage: inspect_exe LAUNCHER.exe
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr std::uint16_t kMachineI386 = 0x14C;
constexpr std::uint16_t kPe32 = 0x10B;
constexpr std::uint16_t kSubsystemWindowsGui = 2;
constexpr std::uint32_t kIconType = 3;
constexpr std::uint32_t kIconGroupType = 14;
constexpr std::uint32_t kVersionType = 16;
constexpr std::uint32_t kManifestType = 24;

class PeFile {
 public:
  explicit PeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (u16(0) != 0x5A4D) throw std::runtime_error("no MZ header");
    header_ = u32(0x3C);
    if (u32(header_) != 0x00004550) throw std::runtime_error("no PE header");
    optional_ = header_ + 24;
    const std::uint32_t sectionCount = u16(header_ + 6);
    std::uint32_t section = optional_ + u16(header_ + 20);
    for (std::uint32_t i = 0; i < sectionCount; ++i, section += 40) {
      sections_.push_back({u32(section + 12), std::max(u32(section + 8), u32(section + 16)), u32(section + 20)});
    }
  }

  std::uint16_t machine() const { return u16(header_ + 4); }
  std::uint16_t magic() const { return u16(optional_); }
  std::uint16_t subsystem() const { return u16(optional_ + 68); }

  std::uint32_t directoryRva(int index) const {
    const std::uint32_t directories = optional_ + (magic() == kPe32 ? 96 : 112);
    return u32(directories + 8 * index);
  }

  std::vector<std::string> importedLibraries() const {
    std::vector<std::string> names;
    const std::uint32_t rva = directoryRva(1);
    if (rva == 0) return names;
    for (std::uint32_t entry = offset(rva); u32(entry + 12) != 0; entry += 20) names.push_back(text(offset(u32(entry + 12))));
    return names;
  }

  // Every resource as (type, id) -> data; named entries are not used by the launcher.
  std::multimap<std::pair<std::uint32_t, std::uint32_t>, std::string> resources() const {
    std::multimap<std::pair<std::uint32_t, std::uint32_t>, std::string> result;
    const std::uint32_t rva = directoryRva(2);
    if (rva == 0) return result;
    const std::uint32_t root = offset(rva);
    for (const auto& [type, names] : directory(root, root)) {
      for (const auto& [id, languages] : directory(root, root + (names & 0x7FFFFFFF))) {
        for (const auto& [language, leaf] : directory(root, root + (languages & 0x7FFFFFFF))) {
          (void)language;
          const std::uint32_t dataEntry = root + leaf;
          const std::uint32_t data = offset(u32(dataEntry));
          result.emplace(std::make_pair(type, id), std::string(bytes_.begin() + data, bytes_.begin() + data + u32(dataEntry + 4)));
        }
      }
    }
    return result;
  }

 private:
  struct Section {
    std::uint32_t rva, size, fileOffset;
  };

  std::vector<std::pair<std::uint32_t, std::uint32_t>> directory(std::uint32_t, std::uint32_t at) const {
    std::vector<std::pair<std::uint32_t, std::uint32_t>> entries;
    const std::uint32_t count = u16(at + 12) + u16(at + 14);
    for (std::uint32_t i = 0; i < count; ++i) entries.emplace_back(u32(at + 16 + 8 * i), u32(at + 20 + 8 * i));
    return entries;
  }

  std::uint32_t offset(std::uint32_t rva) const {
    for (const Section& s : sections_) {
      if (rva >= s.rva && rva < s.rva + s.size) return rva - s.rva + s.fileOffset;
    }
    throw std::runtime_error("address outside every section");
  }

  std::uint16_t u16(std::uint32_t at) const {
    if (at + 2 > bytes_.size()) throw std::runtime_error("truncated file");
    return static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
  }
  std::uint32_t u32(std::uint32_t at) const { return u16(at) | static_cast<std::uint32_t>(u16(at + 2)) << 16; }
  std::string text(std::uint32_t at) const { return std::string(reinterpret_cast<const char*>(&bytes_.at(at))); }

  std::vector<unsigned char> bytes_;
  std::uint32_t header_ = 0;
  std::uint32_t optional_ = 0;
  std::vector<Section> sections_;
};

int passed = 0;
int failed = 0;

void check(const std::string& what, bool ok, const std::string& found = "") {
  (ok ? passed : failed)++;
  std::printf("%s: %s%s%s\n", ok ? "ok" : "FAILED", what.c_str(), found.empty() ? "" : " -- found ", found.c_str());
}

std::uint32_t le(const std::string& data, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(data.at(at + i));
  return value;
}

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// Width, height and bits per pixel of an icon image: a bitmap whose height counts colour and mask
// rows, or a PNG.
std::tuple<std::uint32_t, std::uint32_t, std::uint32_t> iconImageFormat(const std::string& image) {
  if (image.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0) {
    const auto be = [&](std::size_t at) {
      return static_cast<std::uint32_t>(static_cast<unsigned char>(image.at(at)) << 24 |
                                        static_cast<unsigned char>(image.at(at + 1)) << 16 |
                                        static_cast<unsigned char>(image.at(at + 2)) << 8 |
                                        static_cast<unsigned char>(image.at(at + 3)));
    };
    const bool rgba8 = image.at(24) == 8 && image.at(25) == 6;
    return {be(16), be(20), rgba8 ? 32 : 0};
  }
  return {le(image, 4, 4), le(image, 8, 4) / 2, le(image, 14, 2)};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s LAUNCHER.exe\n", argv[0]);
    return 2;
  }
  try {
    const PeFile exe(argv[1]);
    check("32-bit x86 program", exe.machine() == kMachineI386 && exe.magic() == kPe32);
    check("GUI subsystem", exe.subsystem() == kSubsystemWindowsGui, std::to_string(exe.subsystem()));

    const std::set<std::string> windowsLibraries = {"kernel32.dll", "user32.dll", "shlwapi.dll", "msvcrt.dll"};
    for (const std::string& library : exe.importedLibraries()) {
      check("imports only Windows' own libraries", windowsLibraries.count(lower(library)) == 1, library);
    }

    const auto resources = exe.resources();
    const auto ofType = [&](std::uint32_t type) {
      std::vector<std::pair<std::uint32_t, std::string>> found;
      for (const auto& [key, data] : resources) {
        if (key.first == type) found.emplace_back(key.second, data);
      }
      return found;
    };

    const auto groups = ofType(kIconGroupType);
    check("one icon group", groups.size() == 1, std::to_string(groups.size()));
    if (groups.size() == 1) {
      const std::string& group = groups[0].second;
      const std::uint32_t count = le(group, 4, 2);
      std::multiset<std::tuple<std::uint32_t, std::uint32_t, std::uint32_t>> listed, stored;
      const auto icons = ofType(kIconType);
      for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 14 * i;
        const std::uint32_t width = le(group, entry, 1), height = le(group, entry + 1, 1);
        listed.emplace(width == 0 ? 256 : width, height == 0 ? 256 : height, le(group, entry + 6, 2));
        const std::uint32_t id = le(group, entry + 12, 2);
        for (const auto& [iconId, image] : icons) {
          if (iconId == id) stored.insert(iconImageFormat(image));
        }
      }
      const std::multiset<std::tuple<std::uint32_t, std::uint32_t, std::uint32_t>> wanted = {{128, 128, 32}, {32, 32, 32}};
      check("icon group lists 128x128 and 32x32 at 32 bits per pixel", listed == wanted, std::to_string(listed.size()) + " images");
      check("icon images are 128x128 and 32x32 at 32 bits per pixel", stored == wanted, std::to_string(stored.size()) + " images");
    }

    const auto manifests = ofType(kManifestType);
    check("one manifest", manifests.size() == 1, std::to_string(manifests.size()));
    if (manifests.size() == 1) {
      const std::string& manifest = manifests[0].second;
      const std::size_t element = manifest.find("<requestedExecutionLevel");
      const std::string attributes =
          element == std::string::npos ? "" : manifest.substr(element, manifest.find('>', element) - element);
      check("manifest requests asInvoker", attributes.find("level=\"asInvoker\"") != std::string::npos, attributes);
      check("manifest requests no UI access", attributes.find("uiAccess=\"false\"") != std::string::npos, attributes);
    }

    check("no version resource", ofType(kVersionType).empty());
  } catch (const std::exception& e) {
    check(std::string("readable program file: ") + e.what(), false);
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
