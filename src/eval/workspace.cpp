#include "eval/workspace.hpp"

#include <ctime>

#include "data/charset_file.hpp"
#include "data/loaders.hpp"
#include "data/messages.hpp"
#include "eval/grading.hpp"

namespace antkeys {
namespace {

bool Failed(std::string* why, const char* step) {
    if (why) *why = std::string("loading ") + step + " failed";
    return false;
}

}  // namespace

Message UnreadableStoreMessage(const std::string& description, const std::string& aside) {
    return Message{msg::kProgramTitle,
                   WithDescription(msg::kPheroLoadText,
                                   description +
                                       "\r\nWhat could not be read starts from the reference "
                                       "layout's pheromones. The store is kept: before the "
                                       "first save it is moved to " +
                                       aside),
                   true};
}

bool InitAnalizer(Workspace& ws, MessageSink& sink, std::string* why) {
    if (!ws.analizer.Init(ws.digraphs, ws.weights.bestLoad, ws.keys, ws.weights.kdi, sink)) {
        if (why) *why = "the analyzer could not be set up";
        return false;
    }
    ws.analizer.UseKernels(ws.kernels);
    // A missing or broken store leaves the table built from the reference layout; either
    // way the set-up goes on. A broken one is kept for the user and moved aside before the
    // first save (SavePheroKeeping).
    std::string description;
    if (ReadPheroStore(ws.paths.pheromones(), ws.phero, description) == StoreLoad::Unreadable) {
        ws.unreadableStore.path = ws.paths.pheromones();
        ws.unreadableStore.aside = AsideName(ws.paths.pheromones(), std::time(nullptr));
        sink.show(UnreadableStoreMessage(description, ws.unreadableStore.aside));
    }

    std::string reason;
    if (!ws.analizer.CalcV1_6(ws.refKeyLay, ws.layV.ref, &reason)) {
        if (why) *why = "the reference layout cannot be graded: " + reason;
        return false;
    }
    ws.refAbsolute = ReferenceAbsolute(ws.layV.ref, ws.weights.gj);
    ShowReference(ws.layV.ref, ws.refAbsolute, ws.panel);
    return true;
}

bool LoadWorkspace(Workspace& ws, MessageSink& sink, std::string* why) {
    const InputPaths& p = ws.paths;
    if (!LoadKeyDefs(p.keyDefs(), ws.keys, sink)) return Failed(why, "the key definitions");
    if (!LoadDiGraphs(p.diGraphs(), ws.digraphs, sink)) return Failed(why, "the digraphs");
    if (!LoadKdi(p.kdi(), ws.weights.kdi, sink)) return Failed(why, "the Kdi table");
    if (!LoadGj(p.gj(), ws.weights.gj, ws.weights.gjSum, sink))
        return Failed(why, "the criterion weights");
    if (!LoadRefKeyLay(p.refKeyLay(), ws.keys, ws.refKeyLay, ws.letters, ws.phero, sink))
        return Failed(why, "the reference layout");
    if (!LoadBestLoad(p.bestLoad(), ws.keys, ws.weights.bestLoad, sink))
        return Failed(why, "the target load");
    if (!LoadFolderCharset(p, ws.chars, sink)) return Failed(why, "the character map");
    return InitAnalizer(ws, sink, why);
}

}  // namespace antkeys
