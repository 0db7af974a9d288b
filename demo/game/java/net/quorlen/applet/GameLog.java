package net.quorlen.applet;

/** The player-visible log: the Steam calls the game makes and the events Steam sends back. */
final class GameLog {
    void note(String text) {
        System.out.println("--- " + text);
    }

    void call(String call, Object result) {
        System.out.println("call  " + call + " -> " + result);
    }

    void event(String method, Object... arguments) {
        StringBuilder line = new StringBuilder("event ").append(method).append('(');
        for (int i = 0; i < arguments.length; i++) {
            line.append(i == 0 ? "" : ", ").append(arguments[i]);
        }
        System.out.println(line.append(')'));
    }
}
