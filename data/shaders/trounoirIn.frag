#version 110
// Black hole, way in: as factor1 goes from 0 to 1 the picture twists into
// a vortex round the centre point, is pulled towards it and darkens into a
// black core. At 1 it keeps churning with the time. A match that ended in
// its last minute keeps its red tint, put on in the same pass.
uniform sampler2D texture;
uniform vec2 resolution;  // picture size in pixels
uniform vec2 mousepos;    // centre of the vortex in pixels
uniform float factor1;    // progress of the way in, 0..1
uniform float time;       // seconds
uniform float ratioTime;  // the last minute's red tint, 0 (none) to 1

void main()
{
    vec2 size = max(resolution, vec2(1.0));
    vec2 d = gl_TexCoord[0].xy * size - mousepos;
    float r = length(d) / (0.5 * length(size));
    float swirl = clamp(factor1, 0.0, 1.0);
    float inner = 1.0 - smoothstep(0.0, 1.2, r);
    float angle = swirl * inner * (6.0 + 2.0 * sin(time * 1.3));
    float c = cos(angle);
    float s = sin(angle);
    vec2 turned = vec2(c * d.x - s * d.y, s * d.x + c * d.y);
    vec2 uv = (mousepos + turned * (1.0 + 1.2 * swirl * inner)) / size;
    uv = 1.0 - abs(1.0 - mod(uv, 2.0));
    vec4 pixel = texture2D(texture, uv) * gl_Color;
    float core = 0.25 * swirl;
    float light = mix(1.0, smoothstep(core, core + 0.3, r), swirl);
    vec3 swirled = pixel.rgb * light;
    float grey = dot(swirled, vec3(0.299, 0.587, 0.114));
    vec3 red = vec3(0.25 + 0.85 * grey, 0.35 * grey, 0.3 * grey);
    float edge = clamp(length(gl_TexCoord[0].xy - vec2(0.5)) * 1.4, 0.0, 1.0);
    float amount = clamp(ratioTime, 0.0, 1.0) * (0.35 + 0.35 * edge);
    gl_FragColor = vec4(mix(swirled, red, amount), pixel.a);
}
