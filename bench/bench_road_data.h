#pragma once

#include <string>
#include <vector>

// The data of the road benchmark: stock folders of n factions in the game's own line forms,
// each faction holding its empathy rate and its starting reputation toward every faction, and
// the project that an import of all of them leaves, written natively so that a large project
// can be had without importing it.
namespace roadbench {

// The key of faction i of a stock set; the keys sort in index order, as the stock listing
// does (by name, letter case ignored).
std::string FactionKey(int i);
std::vector<std::string> FactionKeys(int n);

// Writes the three stock folders below `programFolder` ("data\emphaty\original_factions" and
// its two twins) with the n factions' files; the folders are made when missing and must not
// hold other factions.
void WriteStock(const std::string& programFolder, int n);

// Writes, below `projectFolder` (which must exist with its sub-folders), every file that the
// import of all stock factions writes when the stock empathy folder holds the first
// `imported` of the n factions, with the same bytes, in a fraction of the time.
void WriteImportedProject(const std::string& projectFolder, int n, int imported);

// The folders of a project, made below `projectFolder` (itself included).
void MakeProjectFolders(const std::string& projectFolder);

// Every regular file below `folder`, by its path relative to it, with its bytes.
std::vector<std::pair<std::string, std::string>> TreeOf(const std::string& folder);

// Writes `bytes` to the native path `file`, bypassing the program's file layer.
void Put(const std::string& file, const std::string& bytes);

} // namespace roadbench
