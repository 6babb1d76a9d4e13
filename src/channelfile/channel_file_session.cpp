#include "channelfile/channel_file_session.h"

FilePaths FilePaths::From(const std::string& path) {
  FilePaths p;
  p.FilePath = path;
  const std::size_t slash = path.find_last_of('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  p.FileFolder = path.substr(0, nameStart);
  const std::string name = path.substr(nameStart);
  const std::size_t dot = name.find_last_of('.');
  p.FileExtension = dot == std::string::npos ? std::string() : name.substr(dot);
  p.SavePath = p.FileFolder + "NEW_" + name;
  return p;
}
