#version 110
// Sudden death: the background wobbles like a heat haze and pulses darker red.
uniform sampler2D texture;
uniform float timer;  // seconds

void main()
{
    vec2 uv = gl_TexCoord[0].xy;
    vec2 offset = vec2(sin(uv.y * 9.0 + timer * 2.1), cos(uv.x * 7.0 + timer * 1.7)) * 0.008;
    vec4 pixel = texture2D(texture, clamp(uv + offset, 0.0, 1.0)) * gl_Color;
    float pulse = 0.5 + 0.5 * sin(timer * 3.0);
    pixel.rgb = mix(pixel.rgb, pixel.rgb * vec3(1.0, 0.6, 0.6), 0.15 + 0.2 * pulse);
    gl_FragColor = pixel;
}
