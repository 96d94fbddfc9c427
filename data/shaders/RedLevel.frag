#version 110
// Last minute of a match: a red tint that rises as the time runs out,
// strongest at the edges of the screen. Each picture of the fight is drawn
// through it; the tint is the same blend of its colour wherever it lands, so
// tinting every drawing tints what they make together.
uniform sampler2D texture;
uniform float ratioTime;  // 0 with 60 s left, 1 at the end of the match
varying vec2 screenUv;    // where the pixel lies on the logical screen, 0..1 across (from the vertex stage)

void main()
{
    vec2 uv = screenUv;
    vec4 pixel = texture2D(texture, gl_TexCoord[0].xy) * gl_Color;
    float ratio = clamp(ratioTime, 0.0, 1.0);
    float grey = dot(pixel.rgb, vec3(0.299, 0.587, 0.114));
    vec3 red = vec3(0.25 + 0.85 * grey, 0.35 * grey, 0.3 * grey);
    float edge = clamp(length(uv - vec2(0.5)) * 1.4, 0.0, 1.0);
    float amount = ratio * (0.35 + 0.35 * edge);
    gl_FragColor = vec4(mix(pixel.rgb, red, amount), pixel.a);
}
