package com.korvanta.nestrova.gwcall;

import com.google.gson.Gson;
import com.google.gson.GsonBuilder;
import com.google.gson.JsonElement;
import com.google.gson.stream.JsonReader;
import com.google.gson.stream.JsonToken;
import java.io.IOException;
import java.io.StringReader;

/** Strict reading and pretty printing of the JSON replies. */
final class Json {
    private static final Gson PRETTY =
            new GsonBuilder().setPrettyPrinting().serializeNulls().disableHtmlEscaping().create();

    private Json() {}

    /**
     * Parses one whole JSON text strictly (no unquoted names or texts, nothing
     * after the value): a reply that a strict reader refuses is reported, not
     * mended. Numbers keep their digits as the gateway wrote them.
     */
    static JsonElement parse(String text) throws IOException {
        try {
            JsonReader r = new JsonReader(new StringReader(text));
            JsonElement e = PRETTY.getAdapter(JsonElement.class).read(r);
            if (r.peek() != JsonToken.END_DOCUMENT) throw new IOException("text after the JSON value");
            return e;
        } catch (IllegalStateException | NumberFormatException x) {
            throw new IOException(x.getMessage(), x);
        }
    }

    static String pretty(JsonElement e) {
        return PRETTY.toJson(e);
    }
}
