#version 110
// Moving water: the water tiles ripple sideways and up and down, and glints
// run across the surface. The waves are tied to the level, not the screen,
// so they do not slide along when the camera moves.
uniform sampler2D texture;
uniform float timer;  // seconds
uniform float posX;   // camera centre in screen widths from the level's left edge

void main()
{
    vec2 uv = gl_TexCoord[0].xy;
    float worldX = uv.x + posX;
    float swell = sin(worldX * 37.0 + timer * 2.0) * 0.6 + sin(worldX * 23.0 - timer * 1.3) * 0.4;
    vec2 offset = vec2(sin(uv.y * 60.0 + timer * 3.0 + worldX * 10.0) * 0.0015, swell * 0.0025);
    vec4 pixel = texture2D(texture, uv + offset) * gl_Color;
    float sparkle = sin(worldX * 53.0 + timer * 1.7 + sin(uv.y * 30.0 + timer)) * sin(uv.y * 37.0 - timer * 1.1 + worldX * 11.0);
    float glint = smoothstep(0.96, 1.0, sparkle);
    pixel.rgb = min(pixel.rgb + vec3(0.35, 0.4, 0.45) * glint, vec3(1.0));
    gl_FragColor = pixel;
}
