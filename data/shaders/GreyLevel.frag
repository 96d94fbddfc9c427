#version 110
// Start-of-fight countdown: the picture is grey while "3", "2", "1" show and
// its colour comes back during the last second, as "FIGHT !" appears.
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
uniform float compteur;  // countdown in seconds, 4 down to 0

void main()
{
    vec4 pixel = picture(gl_TexCoord[0].xy) * gl_Color;
    float grey = dot(pixel.rgb, vec3(0.299, 0.587, 0.114));
    float amount = clamp(compteur, 0.0, 1.0);
    gl_FragColor = vec4(mix(pixel.rgb, vec3(grey), amount), pixel.a);
}
