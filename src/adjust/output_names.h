// The names under which a run writes (listing, "elipses.tmp", transcript,
// DXF) against the files it reads, so that an output never replaces an
// input: a listing named as the project would empty it before it is read.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/network_state.h"

namespace ombrel {

// The files the run reads: the project file (or the imported matrix
// files), the criterion file of the current design and those a front end
// read for it (FrontEndInputFiles).
std::vector<std::string> RunInputFiles(const NetworkState& state);

// "¡ El fichero <name> es uno de los datos del cálculo y no se puede
// sobrescribir !" when name leads to one of inputs; nullopt otherwise.
std::optional<std::string> InputFileRefusal(const std::vector<std::string>& inputs,
                                            const std::string& name);
// The same against RunInputFiles(state).
std::optional<std::string> InputFileRefusal(const NetworkState& state, const std::string& name);

// "¡ El fichero <name> es el fichero de salida del cálculo !", for a file
// to be read or written that is the listing.
std::string ListingFileRefusal(const std::string& name);

// Why name cannot be an output of the run: one of its inputs, or a file
// that cannot be opened for writing ("No se puede escribir el fichero
// <name>: <cause>."). nullopt when it can.
std::optional<std::string> OutputNameRefusal(const NetworkState& state, const std::string& name);

// For an output written once the run is over (the terminal's transcript and
// DXF): one of the run's inputs, or its listing ListingFileName.
std::optional<std::string> LateOutputRefusal(const NetworkState& state, const std::string& name);

}  // namespace ombrel
