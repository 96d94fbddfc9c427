#version 110
// Last minute of a match: a red tint that rises as the time runs out,
// strongest at the edges of the screen.
uniform sampler2D texture;
uniform sampler2D farPicture;  // the fight's far picture, when this pass lays it under the picture
uniform float farShown;        // 1 when it does, 0 when the picture holds it already
uniform vec4 farPlace;         // its coordinates: uv * farPlace.xy + farPlace.zw

// The picture, over the far picture when this pass lays it there (the
// picture's colours are premultiplied by its alpha where it is see-through).
vec4 picture(vec2 uv)
{
    vec4 top = texture2D(texture, uv);
    vec2 at = uv * farPlace.xy + farPlace.zw;
    float inside = step(0.0, at.x) * step(at.x, 1.0) * step(0.0, at.y) * step(at.y, 1.0);
    vec4 far = texture2D(farPicture, clamp(at, 0.0, 1.0)) * (farShown * inside);
    return vec4(top.rgb + far.rgb * far.a * (1.0 - top.a), top.a + far.a * (1.0 - top.a));
}
uniform float ratioTime;  // 0 with 60 s left, 1 at the end of the match

void main()
{
    vec2 uv = gl_TexCoord[0].xy;
    vec4 pixel = picture(uv) * gl_Color;
    float ratio = clamp(ratioTime, 0.0, 1.0);
    float grey = dot(pixel.rgb, vec3(0.299, 0.587, 0.114));
    vec3 red = vec3(0.25 + 0.85 * grey, 0.35 * grey, 0.3 * grey);
    float edge = clamp(length(uv - vec2(0.5)) * 1.4, 0.0, 1.0);
    float amount = ratio * (0.35 + 0.35 * edge);
    gl_FragColor = vec4(mix(pixel.rgb, red, amount), pixel.a);
}
