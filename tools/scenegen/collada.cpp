#include "collada.h"

#include <cstdio>
#include <sstream>

namespace scenegen {

namespace {

// Fixed notation with enough digits for millimetre geometry and exact re-reading of the
// authored values; the same numbers always print the same way.
std::string number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", static_cast<double>(value));
    std::string s(text);
    return s == "-0" ? "0" : s;
}

template <typename Get>
void floatArray(std::ostringstream& out, const std::string& id, const Mesh& mesh, int width,
                Get get) {
    out << "        <source id=\"" << id << "\">\n"
        << "          <float_array id=\"" << id << "-array\" count=\""
        << mesh.vertices.size() * width << "\">";
    for (const Vertex& v : mesh.vertices) {
        for (int c = 0; c < width; ++c) {
            out << ' ' << number(get(v, c));
        }
    }
    out << "</float_array>\n"
        << "          <technique_common>\n"
        << "            <accessor source=\"#" << id << "-array\" count=\"" << mesh.vertices.size()
        << "\" stride=\"" << width << "\">\n";
    const char* names = width == 2 ? "ST" : "XYZ";
    for (int c = 0; c < width; ++c) {
        out << "              <param name=\"" << names[c] << "\" type=\"float\"/>\n";
    }
    out << "            </accessor>\n          </technique_common>\n        </source>\n";
}

void header(std::ostringstream& out) {
    out << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        << "<COLLADA xmlns=\"http://www.collada.org/2005/11/COLLADASchema\" version=\"1.4.1\">\n"
        << "  <asset>\n    <contributor><authoring_tool>lumavex scenegen</authoring_tool>"
        << "</contributor>\n"
        << "    <created>2000-01-01T00:00:00</created>\n"
        << "    <modified>2000-01-01T00:00:00</modified>\n"
        << "    <unit name=\"meter\" meter=\"1\"/>\n    <up_axis>Y_UP</up_axis>\n  </asset>\n";
}

void images(std::ostringstream& out, const MaterialTextures& t) {
    out << "  <library_images>\n";
    for (const std::string* name : {&t.diffuse, &t.displacement}) {
        if (!name->empty()) {
            out << "    <image id=\"" << *name << "\" name=\"" << *name << "\"><init_from>" << *name
                << "</init_from></image>\n";
        }
    }
    out << "  </library_images>\n";
}

void textureParams(std::ostringstream& out, const std::string& image, const std::string& key) {
    out << "        <newparam sid=\"" << key << "-surface\"><surface type=\"2D\"><init_from>"
        << image << "</init_from></surface></newparam>\n"
        << "        <newparam sid=\"" << key << "-sampler\"><sampler2D><source>" << key
        << "-surface</source></sampler2D></newparam>\n";
}

void effects(std::ostringstream& out, const MaterialTextures& t, bool textured) {
    out << "  <library_effects>\n"
        << "    <effect id=\"placeholder-effect\"><profile_COMMON><technique sid=\"common\">"
        << "<lambert><diffuse><color sid=\"diffuse\">0.8 0.8 0.8 1</color></diffuse>"
        << "</lambert></technique></profile_COMMON></effect>\n";
    if (textured) {
        out << "    <effect id=\"surface-effect\">\n      <profile_COMMON>\n";
        if (!t.diffuse.empty()) {
            textureParams(out, t.diffuse, "diffuse");
        }
        if (!t.displacement.empty()) {
            textureParams(out, t.displacement, "displacement");
        }
        out << "        <technique sid=\"common\">\n          <lambert>\n";
        if (!t.displacement.empty()) {
            out << "            <emission><texture texture=\"displacement-sampler\" "
                   "texcoord=\"UVMap\"/></emission>\n";
        }
        if (!t.diffuse.empty()) {
            out << "            <diffuse><texture texture=\"diffuse-sampler\" "
                   "texcoord=\"UVMap\"/></diffuse>\n";
        }
        out << "          </lambert>\n        </technique>\n      </profile_COMMON>\n"
            << "    </effect>\n";
    }
    out << "  </library_effects>\n  <library_materials>\n"
        << "    <material id=\"placeholder-material\" name=\"placeholder\">"
        << "<instance_effect url=\"#placeholder-effect\"/></material>\n";
    if (textured) {
        out << "    <material id=\"surface-material\" name=\"surface\">"
            << "<instance_effect url=\"#surface-effect\"/></material>\n";
    }
    out << "  </library_materials>\n";
}

void geometry(std::ostringstream& out, const std::string& name, const Mesh& mesh,
              const std::string& symbol) {
    const std::string id = name + "-mesh";
    out << "  <library_geometries>\n    <geometry id=\"" << id << "\" name=\"" << name
        << "\">\n      <mesh>\n";
    floatArray(out, id + "-positions", mesh, 3,
               [](const Vertex& v, int c) { return v.position[c]; });
    floatArray(out, id + "-normals", mesh, 3, [](const Vertex& v, int c) { return v.normal[c]; });
    floatArray(out, id + "-uvs", mesh, 2, [](const Vertex& v, int c) { return v.uv[c]; });
    out << "        <vertices id=\"" << id << "-vertices\"><input semantic=\"POSITION\" "
        << "source=\"#" << id << "-positions\"/></vertices>\n"
        << "        <triangles material=\"" << symbol << "\" count=\"" << mesh.triangleCount()
        << "\">\n"
        << "          <input semantic=\"VERTEX\" source=\"#" << id << "-vertices\" offset=\"0\"/>\n"
        << "          <input semantic=\"NORMAL\" source=\"#" << id << "-normals\" offset=\"0\"/>\n"
        << "          <input semantic=\"TEXCOORD\" source=\"#" << id
        << "-uvs\" offset=\"0\" set=\"0\"/>\n          <p>";
    for (std::uint32_t index : mesh.indices) {
        out << ' ' << index;
    }
    out << "</p>\n        </triangles>\n      </mesh>\n    </geometry>\n  </library_geometries>\n";
}

void scene(std::ostringstream& out, const std::string& name, const std::string& symbol,
           const std::string& material) {
    out << "  <library_visual_scenes>\n    <visual_scene id=\"scene\" name=\"scene\">\n"
        << "      <node id=\"" << name << "\" name=\"" << name << "\">\n"
        << "        <instance_geometry url=\"#" << name << "-mesh\">\n"
        << "          <bind_material><technique_common>\n"
        << "            <instance_material symbol=\"" << symbol << "\" target=\"#" << material
        << "\"><bind_vertex_input semantic=\"UVMap\" input_semantic=\"TEXCOORD\" "
        << "input_set=\"0\"/></instance_material>\n"
        << "          </technique_common></bind_material>\n"
        << "        </instance_geometry>\n      </node>\n    </visual_scene>\n"
        << "  </library_visual_scenes>\n"
        << "  <scene><instance_visual_scene url=\"#scene\"/></scene>\n</COLLADA>\n";
}

}  // namespace

std::string colladaDocument(const std::string& name, const Mesh& mesh,
                            const MaterialTextures& textures) {
    const bool textured = !textures.diffuse.empty() || !textures.displacement.empty();
    std::ostringstream out;
    header(out);
    images(out, textures);
    effects(out, textures, textured);
    geometry(out, name, mesh, "surface");
    scene(out, name, "surface", textured ? "surface-material" : "placeholder-material");
    return out.str();
}

}  // namespace scenegen
