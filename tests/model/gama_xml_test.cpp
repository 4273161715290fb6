// The exchange file in GNU Gama's local-network XML format: its structure as
// the manual describes it, read by Expat directly, its units, and the round
// trip through our reader on every validation network.
#include "model/gama_xml.h"

#include <expat.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "support/adjusted_network.h"
#include "support/validation_list.h"

namespace ombrel {
namespace {

// Every element as its path from the root with its attributes.
struct Element {
  std::string path;
  std::map<std::string, std::string> attributes;
};

std::vector<Element> Elements(const std::string& xml) {
  struct Walk {
    std::vector<std::string> open;
    std::vector<Element> found;
  } walk;
  XML_Parser parser = XML_ParserCreate(nullptr);
  XML_SetUserData(parser, &walk);
  XML_SetElementHandler(
      parser,
      [](void* data, const XML_Char* name, const XML_Char** attributes) {
        auto* w = static_cast<Walk*>(data);
        w->open.push_back(name);
        Element e;
        for (const std::string& part : w->open) e.path += (e.path.empty() ? "" : "/") + part;
        for (int i = 0; attributes[i]; i += 2) e.attributes[attributes[i]] = attributes[i + 1];
        w->found.push_back(e);
      },
      [](void* data, const XML_Char*) { static_cast<Walk*>(data)->open.pop_back(); });
  const bool wellFormed = XML_Parse(parser, xml.data(), static_cast<int>(xml.size()), 1) != 0;
  XML_ParserFree(parser);
  EXPECT_TRUE(wellFormed);
  return walk.found;
}

TEST(GamaXml, ValidationNetworksHaveTheManualsStructureAndComeBackTheSame) {
  const std::string pointPath = "gama-local/network/points-observations/point";
  const std::string obsPath = "gama-local/network/points-observations/obs/";
  // The attributes the manual requires of each element we write.
  const std::map<std::string, std::vector<std::string>> required = {
      {"gama-local", {"xmlns"}},
      {"gama-local/network/parameters", {"sigma-apr"}},
      {pointPath, {"id", "x", "y"}},
      {obsPath + "angle", {"from", "bs", "fs", "val", "stdev"}},
      {obsPath + "distance", {"from", "to", "val", "stdev"}}};
  const std::vector<std::string> kNone;
  for (const auto& network : testing::ValidationNetworks()) {
    const PlainNetwork net = PlainNetworkOf(testing::LoadFormed(network.project));
    const std::string xml = GamaLocalXml(net, "red & <prueba>");
    std::map<std::string, int> count;
    for (const Element& e : Elements(xml)) {
      ++count[e.path];
      const auto names = required.find(e.path);
      for (const std::string& n : names == required.end() ? kNone : names->second)
        EXPECT_EQ(e.attributes.count(n), 1u) << e.path << " " << n;
      EXPECT_EQ(e.attributes.count("fix") + e.attributes.count("adj"),
                e.path == pointPath ? 1u : 0u)
          << e.path;
    }
    EXPECT_EQ(count["gama-local/network"], 1) << network.name;
    EXPECT_EQ(count[pointPath], static_cast<int>(net.points.size())) << network.name;
    EXPECT_EQ(count[obsPath + "angle"] + count[obsPath + "distance"],
              static_cast<int>(net.observations.size()));

    const Result<PlainNetwork> back = ReadGamaLocalXml(xml);
    ASSERT_TRUE(back) << network.name << ": " << back.error().message;
    EXPECT_EQ(back->points, net.points) << network.name;
    ASSERT_EQ(back->observations.size(), net.observations.size());
    for (std::size_t i = 0; i < net.observations.size(); ++i) {
      PlainObservation o = back->observations[i];
      EXPECT_NEAR(o.weight, net.observations[i].weight, 1e-13 * net.observations[i].weight);
      o.weight = net.observations[i].weight;  // the rest comes back exactly
      EXPECT_EQ(o, net.observations[i]) << network.name << " " << i;
    }
  }
}

TEST(GamaXml, StandardDeviationsInTheFilesUnits) {
  PlainNetwork net;
  net.points = {{1, 0, 0, true}, {2, 100, 0, true}, {3, 50, 80, false}};
  // sigma 1 cm for the distance and 5e-4 gon for the angle.
  net.observations = {{1, ObservationKind::Distance, 0, 1, 3, 94.34, 10000},
                      {2, ObservationKind::Angle, 2, 1, 3, 64.2, 0.04}};
  const std::string xml = GamaLocalXml(net, "");
  EXPECT_NE(xml.find("<distance from=\"1\" to=\"3\" val=\"94.34\" stdev=\"10\""), std::string::npos)
      << xml;
  EXPECT_NE(xml.find("<angle from=\"1\" bs=\"2\" fs=\"3\" val=\"64.2\" stdev=\"5\""),
            std::string::npos);
  EXPECT_NE(xml.find("<point id=\"3\" x=\"50\" y=\"80\" adj=\"xy\" />"), std::string::npos);
  // A free network: its variable points define the datum (constrained).
  net.points[1].fixed = false;
  EXPECT_NE(GamaLocalXml(net, "").find("<point id=\"2\" x=\"100\" y=\"0\" adj=\"XY\" />"),
            std::string::npos);
}

TEST(GamaXml, WhatTheReaderRefuses) {
  const std::string head = "<gama-local><network axes-xy=\"en\"><points-observations>";
  const std::string tail = "</points-observations></network></gama-local>";
  const char* const bodies[] = {
      "<point id=\"1\" x=\"0\" y=\"0\" fix=\"xy\">",                         // not well formed
      "<obs from=\"1\"><direction to=\"2\" val=\"0\" stdev=\"10\"/></obs>",  // no such kind
      "<point id=\"A1\" x=\"0\" y=\"0\" fix=\"xy\"/>",                       // not a vertex number
      "<point id=\"1\" x=\"0\" fix=\"xy\"/>",                                // no y
      "<obs><distance from=\"1\" to=\"2\" val=\"5\"/></obs>",  // no standard deviation
  };
  for (const char* body : bodies) EXPECT_FALSE(ReadGamaLocalXml(head + body + tail)) << body;
  EXPECT_FALSE(ReadGamaLocalXml("<gama-local><network axes-xy=\"ne\"/></gama-local>"));
  // An obs's standpoint, the default sigma-apr of 10 and an extern that is
  // no number.
  const auto read = ReadGamaLocalXml(
      head + "<obs from=\"1\"><distance to=\"2\" val=\"5\" stdev=\"20\" extern=\"k7\"/></obs>" +
      tail);
  ASSERT_TRUE(read) << read.error().message;
  EXPECT_EQ(read->observations.at(0).station, 1);
  EXPECT_EQ(read->observations.at(0).number, 1);
  EXPECT_DOUBLE_EQ(read->observations.at(0).weight, 1.0 / (0.002 * 0.002));
}

}  // namespace
}  // namespace ombrel
